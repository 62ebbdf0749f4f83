#include "core/archive/archive_dll.h"

#include <filesystem>

#include "core/text/encoding.h"

namespace zorvik {

namespace {

// Function pointers come from the loader as object pointers.
template <typename Function> Function asFunction(void* address) {
    return reinterpret_cast<Function>(address);
}

} // namespace

KelArchiveDLL::KelArchiveDLL(const std::string& commandL, const std::string& commandR)
    : commandL_(text::fitToBuffer(commandL, kCommandLBufferSize)),
      commandR_(text::fitToBuffer(commandR, kCommandRBufferSize)) {}

bool KelArchiveDLL::Load(const std::string& libraryPath, const std::string& prefix) {
    Unload();
    if (!library_.load(libraryPath)) {
        return false;
    }
    prefix_ = prefix;
    if (!resolveEntries()) {
        Unload();
        return false;
    }
    const std::string name = std::filesystem::path(libraryPath).filename().string();
    fileName_ = text::fitToBuffer(text::decodeFileName(name), kFileNameBufferSize);
    prefix_ = text::fitToBuffer(prefix, kPrefixBufferSize);
    return true;
}

bool KelArchiveDLL::resolveEntries() {
    queryFunctionList_ = asFunction<ZorvikArchiverQueryFunctionListFunction>(
        resolve(ZORVIK_ARCHIVER_QUERY_FUNCTION_LIST));
    if (queryFunctionList_ == nullptr) {
        return false;
    }
    command_ = asFunction<ZorvikArchiverCommandFunction>(resolve(""));
    getVersion_ =
        asFunction<ZorvikArchiverGetVersionFunction>(resolve(ZORVIK_ARCHIVER_GET_VERSION));
    getRunning_ =
        asFunction<ZorvikArchiverGetRunningFunction>(resolve(ZORVIK_ARCHIVER_GET_RUNNING));
    checkArchive_ =
        asFunction<ZorvikArchiverCheckArchiveFunction>(resolve(ZORVIK_ARCHIVER_CHECK_ARCHIVE));
    return true;
}

void KelArchiveDLL::Unload() {
    library_.unload();
    clearEntries();
    fileName_.clear();
    prefix_.clear();
}

void KelArchiveDLL::clearEntries() {
    command_ = nullptr;
    checkArchive_ = nullptr;
    queryFunctionList_ = nullptr;
    getVersion_ = nullptr;
    getRunning_ = nullptr;
}

void* KelArchiveDLL::resolve(const char* suffix) const {
    const std::string name = prefix_ + suffix;
    // A name that does not fit the export name buffer resolves nothing,
    // rather than being cut into the name of some other export.
    if (prefix_.size() > kMaxResolvablePrefix || name.size() >= kExportNameBufferSize) {
        return nullptr;
    }
    return library_.symbol(name);
}

int KelArchiveDLL::CheckArchive(const std::string& archivePath, int mode) const {
    return checkArchive_(archivePath.c_str(), mode);
}

int KelArchiveDLL::QueryFunctionList(int function) const {
    return queryFunctionList_(function);
}

int KelArchiveDLL::RunCommand(void* ownerWindow, const std::string& commandLine, char* output,
                              int outputSize) const {
    return command_(ownerWindow, commandLine.c_str(), output, outputSize);
}

} // namespace zorvik
