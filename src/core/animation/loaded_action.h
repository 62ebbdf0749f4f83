#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/animation/air_file.h"
#include "core/animation/sprite_sheet.h"

namespace zorvik {

// An action with every sprite its frames show, each distinct sprite once
// in the order the frames first name it.
struct LoadedAction {
    AirAction action;
    std::vector<FrameSprite> sprites;
    std::vector<std::size_t> spriteOfFrame; // for each frame, its sprite's index
    int spriteFileVersion = 0;
};

// Why an action could not be loaded.
enum class ActionProblem {
    None,
    NoCharacter,  // no folder, archive or .def of the character could be read
    NoAirFile,    // the .def names none, or it cannot be read
    NoAction,     // the .air has no such action, or the action has no frames
    NoSpriteFile, // the .def names none, or it is neither SFF version
    NoSprite,     // a frame's sprite is missing or cannot be decoded
    ActionTooLarge,  // more than kMostActionFrames frames, or kMostClsnBoxes boxes in a list
    SpritesTooLarge, // the sprites would take more than kMostSheetBytes decoded
    NoMemory,        // the memory ran out while reading
    // An archive character's: no temporary folder is set or known to the system.
    NoTemporaryFolder,
    // An archive character's: no folder can be made in the temporary folder
    // (detail: that folder and the system's reason).
    ExtractionFolderFailed,
    // An archive character's: no plug-in extracts the archive (detail: its path).
    ExtractionFailed,
};

struct ActionLoad {
    std::optional<LoadedAction> loaded;
    ActionProblem problem = ActionProblem::None;
    std::int16_t group = 0; // the sprite missing, for NoSprite and SpritesTooLarge
    std::int16_t number = 0;
    std::string detail;     // what the problem concerns, where its comment says so
};

// Reads action number of the .air file at airPath and decodes the sprites
// its frames show from the sprite file at spritePath; a non-empty actPath
// names the .act palette of a version 1 file's shared-palette sprites
// (ignored unless it is a 768-byte .act). Reads only what the action needs,
// within the bounds of an action and of a sprite sheet; a file that asks for
// more, or memory that runs out, is a problem like any other.
ActionLoad LoadAction(const std::string& airPath, const std::string& spritePath,
                      const std::string& actPath, int number);

} // namespace zorvik
