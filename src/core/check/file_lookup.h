#pragma once

#include <string>

namespace zorvik {

// True when a Windows path from a character file ('\' separates, letter
// case ignored) names a regular file below folder on disk, as the engine
// finds it.
bool resolvesToFile(const std::string& folder, const std::string& windowsPath);

// The engine's data folder beside the engine's program file (its letter
// case ignored); "" when no engine is set.
std::string engineDataFolder(const std::string& mugenExeFile);

} // namespace zorvik
