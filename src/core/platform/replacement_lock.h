#pragma once

#include <chrono>
#include <string>

namespace zorvik::platform {

// An advisory lock held while a file is read, changed and replaced, so that
// two runs of the program never replace the same file from the same old
// content (the second would silently drop the first one's change). It locks
// the file's folder, which also covers a file that does not exist yet and
// the temporary files beside it, and the file itself, which other programs
// may lock too. Released when destroyed.
class ReplacementLock {
public:
    enum class Outcome {
        Locked,
        Busy,   // still held by another after the patience ran out
        Failed, // the folder or file could not be opened to lock it
    };

    ReplacementLock() = default;
    ~ReplacementLock();
    ReplacementLock(const ReplacementLock&) = delete;
    ReplacementLock& operator=(const ReplacementLock&) = delete;

    // Waits up to patience for both locks; file is a regular file or missing.
    Outcome acquire(const std::string& file, std::chrono::milliseconds patience);

private:
    void release();

    int folder_ = -1;
    int file_ = -1;
};

} // namespace zorvik::platform
