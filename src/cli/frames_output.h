#pragma once

#include <string>

#include "core/animation/loaded_action.h"

namespace zorvik::cli {

// The frames of an action as JSON (UTF-8): {"action", "frames": [...],
// "sprites": [...]}, the frames in file order, each sprite once.
std::string framesJson(const LoadedAction& action);

// Writes folder/frames.json and one RGBA PNG per sprite, GROUP_NUMBER.png,
// unflipped and unplaced; creates folder when it is missing. False with
// the reason in error when a file cannot be written.
bool writeFrames(const LoadedAction& action, const std::string& folder, std::string& error);

} // namespace zorvik::cli
