#pragma once

#include <string>

namespace zorvik::platform {

// Every folder the program extracts an archive into is named
// "zorvik-scratch-" + purpose + "-" + six random letters or digits, directly
// in the temporary folder in use, and is locked (an advisory lock on the
// folder itself) for as long as it is in use. A folder of that name that
// nobody holds is a leftover of a killed process: removeStaleScratchFolders
// clears it, and since every new folder takes a name of its own, a leftover
// never stands in the way of reading an archive. The temporary folder is
// shared with other programs (the system's, by default): nothing named
// otherwise is ever touched.
inline constexpr const char* kScratchPrefix = "zorvik-scratch-";

// One such folder: made and locked when constructed, removed with what it
// holds (links removed, never followed) when destroyed.
class ScratchFolder {
public:
    // purpose: a lower-case word that says who made it ("extract", "frames").
    // An empty parent makes nothing: it names no temporary folder.
    ScratchFolder(const std::string& parent, const std::string& purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool made() const { return lock_ >= 0; }
    // The folder, without a trailing separator; while not made, the pattern
    // it was to be made from (".../zorvik-scratch-extract-XXXXXX"), for messages.
    const std::string& path() const { return path_; }
    // While not made, the system's words for why (empty without a parent).
    const std::string& failure() const { return failure_; }

private:
    bool makeAndLock();

    std::string path_;
    std::string failure_;
    int lock_ = -1;
};

// True when name is a scratch folder's name (any purpose).
bool isScratchFolderName(const std::string& name);

// Removes the scratch folders in parent that no process holds. Anything
// else in parent, and a link named like one, is left alone.
void removeStaleScratchFolders(const std::string& parent);

} // namespace zorvik::platform
