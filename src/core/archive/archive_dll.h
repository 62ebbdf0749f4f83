#pragma once

#include <cstddef>
#include <string>

#include "core/archive/archiver_abi.h"
#include "core/platform/dynamic_library.h"

namespace zorvik {

// One usable archiver plug-in: the loaded library, its exports named after
// its prefix, and the fixed parts of its extraction command line.
class KelArchiveDLL {
public:
    static constexpr std::size_t kFileNameBufferSize = 512;
    static constexpr std::size_t kPrefixBufferSize = 128;
    static constexpr std::size_t kCommandLBufferSize = 1024;
    static constexpr std::size_t kCommandRBufferSize = 4096;
    static constexpr std::size_t kExportNameBufferSize = 64;
    static constexpr std::size_t kMaxResolvablePrefix = 62;

    KelArchiveDLL() = default;
    KelArchiveDLL(const std::string& commandL, const std::string& commandR);

    // Loads the library at libraryPath (a full path, so that no current
    // folder is involved) and resolves its exports; false when it cannot be
    // loaded or lacks prefix + "QueryFunctionList".
    bool Load(const std::string& libraryPath, const std::string& prefix);
    // Frees the library and forgets its file name and prefix.
    void Unload();

    bool hasCheckArchive() const { return checkArchive_ != nullptr; }
    // Calls prefix + "CheckArchive"; only when hasCheckArchive().
    int CheckArchive(const std::string& archivePath, int mode) const;

    bool hasCommand() const { return command_ != nullptr; }
    // Calls the command function; only when hasCommand().
    int RunCommand(void* ownerWindow, const std::string& commandLine, char* output,
                   int outputSize) const;

    bool hasQueryFunctionList() const { return queryFunctionList_ != nullptr; }
    // Calls prefix + "QueryFunctionList"; only when hasQueryFunctionList().
    int QueryFunctionList(int function) const;
    bool hasGetVersion() const { return getVersion_ != nullptr; }
    bool hasGetRunning() const { return getRunning_ != nullptr; }

    // The library's file name as listed in the plug-in folder.
    const std::string& fileName() const { return fileName_; }
    const std::string& prefix() const { return prefix_; }
    const std::string& commandL() const { return commandL_; }
    const std::string& commandR() const { return commandR_; }

private:
    // The export prefix + suffix, or nullptr when it is missing or its name
    // does not fit the export name buffer.
    void* resolve(const char* suffix) const;
    // Resolves every export; false when prefix + "QueryFunctionList" is missing.
    bool resolveEntries();
    void clearEntries();

    platform::DynamicLibrary library_;
    ZorvikArchiverCommandFunction command_ = nullptr;
    ZorvikArchiverCheckArchiveFunction checkArchive_ = nullptr;
    ZorvikArchiverQueryFunctionListFunction queryFunctionList_ = nullptr;
    ZorvikArchiverGetVersionFunction getVersion_ = nullptr;
    ZorvikArchiverGetRunningFunction getRunning_ = nullptr;
    std::string fileName_;
    std::string prefix_;
    std::string commandL_;
    std::string commandR_;
};

} // namespace zorvik
