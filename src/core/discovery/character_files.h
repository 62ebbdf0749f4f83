#pragma once

#include <string>
#include <vector>

namespace zorvik {

// The full paths of the .def files at the top level of a folder (letter
// case ignored, subfolders never searched), in listing order.
std::vector<std::string> findDefFiles(const std::string& folder);
// The same; listed tells whether the folder could be listed completely.
std::vector<std::string> findDefFiles(const std::string& folder, bool& listed);

// The parts of a Windows path written in a character file: '\' and '/'
// separate, empty parts are dropped.
std::vector<std::string> windowsPathComponents(const std::string& path);

// The file a .def file's sprite value names, relative to the character's
// folder. The value is a Windows path: '\' separates and letter case does
// not matter. When the path does not exist as written (an archive whose
// folders were dropped at extraction), the file name alone is tried in
// the character's folder.
std::string locateSpriteFile(const std::string& characterFolder, const std::string& spriteValue);

// True when a Windows path, taken relative to a folder, never climbs above
// that folder with "..". An archive's character must keep to its own
// extraction folder; a folder character may share files with its siblings.
bool staysInsideFolder(const std::string& windowsPath);

} // namespace zorvik
