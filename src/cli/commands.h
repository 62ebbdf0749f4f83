#pragma once

#include <string>
#include <vector>

namespace zorvik::cli {

// Exit codes of the companion.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitProblemsFound = 3; // check: the collection has problems
inline constexpr int kExitEntriesSkipped = 3; // update: completed, but entries went unread

int runUpdate(const std::vector<std::string>& arguments);
int runList(const std::vector<std::string>& arguments);
int runPortrait(const std::vector<std::string>& arguments);
int runPortraits(const std::vector<std::string>& arguments);
int runRoster(const std::vector<std::string>& arguments);
int runCheck(const std::vector<std::string>& arguments);
int runFrames(const std::vector<std::string>& arguments);

} // namespace zorvik::cli
