#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/file_permissions.h"
#include "core/platform/replacement_lock.h"
#include "core/roster/roster_options.h"

namespace zorvik {

// The select.def an export replaces. It is looked at before any work, so
// that a file that cannot be written is reported before thousands of
// characters are read, and stays locked from then on, so that a second
// export waits instead of rewriting the same old file. It is replaced
// safely: the old file is copied to a backup first (see RosterBackups), and
// the new one put in place atomically with the old one's mode, so that a
// failure at any step leaves the old file (and a backup, once written) whole.
class RosterTarget {
public:
    // How long an export waits for another one to finish with the file.
    static constexpr std::chrono::seconds kLockPatience{5};

    // Follows a link to its file (refusing one that leads nowhere), checks
    // that the file and its folder may be written, locks the file, removes
    // the temporary files a killed export left, and reads the old file.
    // errorText tells a failure.
    RosterError open(const std::string& path, Message& errorText);

    // The file replaced: the path given, or the file a link leads to.
    const std::string& path() const { return path_; }
    // The path given when it is a link to path(); else "".
    const std::string& linkPath() const { return linkPath_; }
    bool exists() const { return mode_.has_value(); }
    const std::string& bytes() const { return bytes_; }

    // Copies the old file (when there is one) to its backup, whose path is
    // returned in backupPath, then replaces the file with bytes atomically.
    RosterError replace(std::string_view bytes, std::string& backupPath, Message& errorText) const;

private:
    RosterError resolve(const std::string& path, Message& errorText);
    RosterError checkWritable(Message& errorText) const;
    RosterError lockAndRead(Message& errorText);
    std::string folder() const;

    std::string path_;
    std::string linkPath_;
    std::optional<platform::FileMode> mode_;
    std::string bytes_;
    platform::ReplacementLock lock_;
};

} // namespace zorvik
