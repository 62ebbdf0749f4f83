#pragma once

#include <string>

#include "core/animation/loaded_action.h"

namespace zorvik {

struct AppSettings;

// The standing animation is action 0 of a character's .air file.
inline constexpr int kStandingAction = 0;

// A catalogue row's character in the character folder.
struct CatalogueCharacter {
    std::string fileName; // FILENAME: the folder's or archive's name in MainDir
    int fileType = 0;     // FILETYPE: 0 for a folder, otherwise an archive
};

// Loads an action of the character whose .def file is defPath: the .air of
// [Files] anim, the sprites of [Files] sprite and the .act of [Files] pal1,
// each found beside the .def as registration finds the sprite file. With
// confined set (an archive's extraction), paths that climb out of the
// .def's folder are refused like missing files.
ActionLoad LoadDefAction(const std::string& defPath, int number, bool confined = false);

// Loads an action of a catalogue row's character from the character
// folder (FILENAME found part by part, as the update finds it): a folder's
// first .def with a Name, as registration takes it; an archive is extracted
// as registration extracts it, into a folder of its own under the temporary
// folder in use (TempDir, or the system's when TempDir is empty) that is
// removed again before the call returns, by the plug-ins of pluginFolder
// (empty: ArchiverDLLs beside the executable).
ActionLoad LoadCatalogueAction(const AppSettings& settings, const CatalogueCharacter& character,
                               int number, const std::string& pluginFolder = {});

} // namespace zorvik
