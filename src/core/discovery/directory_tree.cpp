#include "core/discovery/directory_tree.h"

#include <filesystem>
#include <system_error>

#include "core/platform/user_messages.h"

namespace zorvik {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxPathBytes = 512;

bool removeEntry(const fs::directory_entry& entry, UserMessages& messages) {
    std::error_code error;
    const fs::file_status status = entry.symlink_status(error);
    if (!error && fs::is_directory(status)) {
        return DeleteDirectoryTree(entry.path().string(), messages);
    }
    return fs::remove(entry.path(), error) && !error;
}

} // namespace

bool DeleteDirectoryTree(const std::string& folder, UserMessages& messages) {
    if (folder.size() > kMaxPathBytes) {
        return false;
    }
    std::string path = folder;
    if (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    std::error_code error;
    // The folder itself must be a real folder, never a link to one.
    const bool isFolder = fs::is_directory(fs::symlink_status(path, error));
    fs::directory_iterator entries(path, error);
    if (error || !isFolder) {
        messages.show(Message::of(MessageKind::FolderRemovalFailed));
        return false;
    }
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        if (error || !removeEntry(*entries, messages)) {
            return false;
        }
    }
    return !error && fs::remove(path, error) && !error;
}

} // namespace zorvik
