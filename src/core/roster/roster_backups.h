#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace zorvik {

// The backups of a select.def beside it. FILE.bak is the first one, the
// file as the user wrote it before any export, and is never replaced.
// Every later export keeps the file it replaces as
// FILE.YYYYMMDD-HHMMSS.bak ("-2", "-3" ... after a second export within
// the same second); only the newest kRosterBackupsKept of these stay.
class RosterBackups {
public:
    static constexpr std::size_t kKept = 10;

    explicit RosterBackups(std::string target) : target_(std::move(target)) {}

    std::string firstPath() const { return target_ + ".bak"; }

    // The backup this export writes: the first while there is none, else a
    // dated one whose name is not taken yet (now in local time).
    std::string nextPath(std::time_t now) const;

    // Removes the oldest dated backups beyond kKept.
    void prune() const;

    // The dated backups' paths, oldest first.
    std::vector<std::string> dated() const;

private:
    std::string target_;
};

// Where a dated backup's name sorts: its time stamp, then its counter
// (1 without one); none for a name that is no dated backup of targetName.
struct DatedBackupName {
    std::string stamp;
    unsigned counter = 1;
    bool operator<(const DatedBackupName& other) const {
        return stamp != other.stamp ? stamp < other.stamp : counter < other.counter;
    }
};
std::optional<DatedBackupName> parseDatedBackupName(const std::string& name,
                                                    const std::string& targetName);

} // namespace zorvik
