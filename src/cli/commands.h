#pragma once

#include <string>
#include <vector>

namespace zorvik::cli {

// Exit codes of the companion.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int runUpdate(const std::vector<std::string>& arguments);
int runList(const std::vector<std::string>& arguments);
int runPortrait(const std::vector<std::string>& arguments);
int runRoster(const std::vector<std::string>& arguments);

} // namespace zorvik::cli
