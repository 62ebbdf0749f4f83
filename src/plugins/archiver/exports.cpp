// The exports of the bundled archiver plug-in, prefix "ZorvikArc".
// Nothing may leave these functions as an exception: the caller is C.

#include <atomic>
#include <exception>
#include <string>

#include "core/archive/archiver_abi.h"
#include "plugins/archiver/archive_reader.h"
#include "plugins/archiver/extract_command.h"
#include "plugins/archiver/extraction_report.h"
#include "plugins/archiver/extractor.h"
#include "plugins/archiver/utf8_locale.h"

namespace {

using zorvik::archiver::ExtractionReport;
using zorvik::archiver::ExtractResult;

constexpr int kVersion = 100;

std::atomic<int> runningCommands{0};

// Counts a running command for GetRunning.
class RunningCommand {
public:
    RunningCommand() { ++runningCommands; }
    ~RunningCommand() { --runningCommands; }
    RunningCommand(const RunningCommand&) = delete;
    RunningCommand& operator=(const RunningCommand&) = delete;
};

ExtractResult runCommand(const char* commandLine, ExtractionReport& report) {
    std::string error;
    const auto command =
        zorvik::archiver::parseExtractCommand(commandLine != nullptr ? commandLine : "", error);
    if (!command) {
        report.error(error);
        return ExtractResult::BadCommand;
    }
    zorvik::archiver::ScopedUtf8Locale utf8;
    return zorvik::archiver::Extractor(*command, report).run();
}

} // namespace

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArc(void* /*ownerWindow*/,
                                                          const char* commandLine, char* output,
                                                          int outputSize) {
    const RunningCommand running;
    try {
        ExtractionReport report;
        ExtractResult result = ExtractResult::InternalError;
        try {
            result = runCommand(commandLine, report);
        } catch (const std::exception& failure) {
            report.error(failure.what());
        }
        report.copyTo(output, outputSize);
        return static_cast<int>(result);
    } catch (...) {
        if (output != nullptr && outputSize > 0) {
            output[0] = '\0';
        }
        return static_cast<int>(ExtractResult::InternalError);
    }
}

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArcCheckArchive(const char* path,
                                                                      int /*mode*/) {
    if (path == nullptr) {
        return 0;
    }
    try {
        const zorvik::archiver::ScopedUtf8Locale utf8;
        return zorvik::archiver::canReadArchive(path) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArcQueryFunctionList(int function) {
    return function >= ZORVIK_ARCHIVER_FUNCTION_COMMAND &&
                   function <= ZORVIK_ARCHIVER_FUNCTION_QUERY_FUNCTION_LIST
               ? 1
               : 0;
}

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArcGetVersion() {
    return kVersion;
}

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArcGetRunning() {
    return runningCommands.load() > 0 ? 1 : 0;
}
