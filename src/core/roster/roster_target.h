#pragma once

#include <string>
#include <string_view>

#include "core/roster/roster_options.h"

namespace zorvik {

// The select.def an export replaces. It is looked at before any work, so
// that a file that cannot be written is reported before thousands of
// characters are read; then it is replaced safely: the old file is copied
// to the backup first, and the new one put in place atomically, so that a
// failure at any step leaves the old file (and a backup, once written) whole.
class RosterTarget {
public:
    static constexpr const char* kBackupSuffix = ".bak";

    // Follows a link to its file, reads an existing file (a text file: no
    // NUL byte), and checks that the file and its folder can be written.
    // errorText tells a failure.
    RosterError open(const std::string& path, std::string& errorText);

    const std::string& path() const { return path_; }
    bool exists() const { return exists_; }
    const std::string& bytes() const { return bytes_; }
    std::string backupPath() const { return path_ + kBackupSuffix; }

    // Copies the old file to the backup (when there is one), then replaces
    // the file with bytes atomically.
    RosterError replace(std::string_view bytes, std::string& errorText) const;

private:
    RosterError checkFolder(std::string& errorText) const;

    std::string path_;
    bool exists_ = false;
    std::string bytes_;
};

} // namespace zorvik
