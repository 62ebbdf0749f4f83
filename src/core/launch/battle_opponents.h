#pragma once

#include <string>
#include <vector>

namespace zorvik::launch {

// Whether the engine can be given this FighterList line: an archive's file
// name (.zip, .7z, .rar) cannot be, since the engine opens no archive,
// unless a folder of that name stands in the character folder mainDir.
bool canBattle(const std::string& mainDir, const std::string& line);

// The lines the engine can be given, in their order: what the opponents
// list keeps of FighterList when it is read.
std::vector<std::string> battleReadyOpponents(const std::string& mainDir,
                                              std::vector<std::string> lines);

} // namespace zorvik::launch
