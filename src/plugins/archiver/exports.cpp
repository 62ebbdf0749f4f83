// The exports of the bundled archiver plug-in, prefix "ZorvikArc".
// Nothing may leave these functions as an exception: the caller is C.

#include <atomic>
#include <cstring>
#include <exception>
#include <string>

#include "core/archive/archiver_abi.h"
#include "core/text/encoding.h"
#include "plugins/archiver/archive_reader.h"
#include "plugins/archiver/entry_lister.h"
#include "plugins/archiver/extract_command.h"
#include "plugins/archiver/extraction_report.h"
#include "plugins/archiver/extractor.h"
#include "plugins/archiver/list_command.h"
#include "plugins/archiver/utf8_locale.h"

namespace {

using zorvik::archiver::ExtractionReport;
using zorvik::archiver::ExtractResult;

constexpr int kVersion = 101;

std::atomic<int> runningCommands{0};

// Counts a running command for GetRunning.
class RunningCommand {
public:
    RunningCommand() { ++runningCommands; }
    ~RunningCommand() { --runningCommands; }
    RunningCommand(const RunningCommand&) = delete;
    RunningCommand& operator=(const RunningCommand&) = delete;
};

ExtractResult runExtraction(const char* commandLine, char* output, int outputSize) {
    ExtractionReport report;
    ExtractResult result = ExtractResult::InternalError;
    try {
        std::string error;
        const auto command = zorvik::archiver::parseExtractCommand(commandLine, error);
        if (command) {
            const zorvik::archiver::ScopedUtf8Locale utf8;
            result = zorvik::archiver::Extractor(*command, report).run();
        } else {
            report.error(error);
            result = ExtractResult::BadCommand;
        }
    } catch (const std::exception& failure) {
        report.error(failure.what());
    }
    report.copyTo(output, outputSize);
    return result;
}

ExtractResult runListing(const char* commandLine, char* output, int outputSize) {
    const std::size_t size = outputSize > 0 ? static_cast<std::size_t>(outputSize) : 0;
    std::string text;
    ExtractResult result = ExtractResult::BadCommand;
    std::string error;
    if (const auto command = zorvik::archiver::parseListCommand(commandLine, error)) {
        const zorvik::archiver::ScopedUtf8Locale utf8;
        result = zorvik::archiver::EntryLister(*command, size).run(text);
    } else {
        text = "error: " + error + "\n";
    }
    if (output != nullptr && size > 0) {
        const std::string fitted = zorvik::text::fitToBuffer(text, size);
        std::memcpy(output, fitted.c_str(), fitted.size() + 1);
    }
    return result;
}

} // namespace

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArc(void* /*ownerWindow*/,
                                                          const char* commandLine, char* output,
                                                          int outputSize) {
    const RunningCommand running;
    const char* line = commandLine != nullptr ? commandLine : "";
    try {
        return static_cast<int>(zorvik::archiver::isListCommand(line)
                                    ? runListing(line, output, outputSize)
                                    : runExtraction(line, output, outputSize));
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
                   function <= ZORVIK_ARCHIVER_FUNCTION_LIST_COMMAND
               ? 1
               : 0;
}

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArcGetVersion() {
    return kVersion;
}

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArcGetRunning() {
    return runningCommands.load() > 0 ? 1 : 0;
}
