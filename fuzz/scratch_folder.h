#pragma once

#include <string>
#include <string_view>

namespace zorvik::fuzz {

// A folder of the fuzzing process's own under the system's temporary
// folder, made at the first use and removed when the process ends. The
// readers under test take paths, so each input is written to a file here.
class ScratchFolder {
public:
    // The process's folder.
    static ScratchFolder& instance();

    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, without a trailing separator.
    const std::string& path() const { return path_; }

    // Replaces the file name inside the folder with bytes; its path.
    std::string write(std::string_view name, std::string_view bytes) const;

private:
    ScratchFolder();

    std::string path_;
};

// Stops the process as a finding: libFuzzer keeps the input that did it.
[[noreturn]] void fail(const char* what);

} // namespace zorvik::fuzz
