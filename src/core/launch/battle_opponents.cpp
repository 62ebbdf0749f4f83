#include "core/launch/battle_opponents.h"

#include <filesystem>
#include <system_error>

#include "core/discovery/candidate.h"
#include "core/platform/directory_listing.h"

namespace zorvik::launch {

bool canBattle(const std::string& mainDir, const std::string& line) {
    if (archiveKindOfName(line) == 0) {
        return true;
    }
    // A folder character may carry an archive's extension in its name.
    std::error_code error;
    return !mainDir.empty() &&
           std::filesystem::is_directory(platform::resolvePathInFolder(mainDir, line), error);
}

std::vector<std::string> battleReadyOpponents(const std::string& mainDir,
                                              std::vector<std::string> lines) {
    std::erase_if(lines, [&mainDir](const std::string& line) { return !canBattle(mainDir, line); });
    return lines;
}

} // namespace zorvik::launch
