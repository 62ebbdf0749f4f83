#include "cli/frames_problem.h"

#include <optional>

namespace zorvik::cli {

namespace {

std::string spriteName(const ActionLoad& load) {
    return std::to_string(load.group) + "," + std::to_string(load.number);
}

// Why an archive character could not be extracted, or nothing.
std::optional<std::string> extractionText(const ActionLoad& load) {
    switch (load.problem) {
    case ActionProblem::NoTemporaryFolder:
        return "there is no temporary folder to extract the archive into (TempDir is empty and the "
               "system has none)";
    case ActionProblem::ExtractionFolderFailed:
        return "cannot create a folder to extract the archive into in " + load.detail;
    case ActionProblem::ExtractionFailed:
        return "no archiver plug-in could extract " + load.detail;
    default:
        return std::nullopt;
    }
}

// Why an action is too large to show, or nothing.
std::optional<std::string> boundText(const ActionLoad& load, int action) {
    switch (load.problem) {
    case ActionProblem::ActionTooLarge:
        return "the action " + std::to_string(action) + " is too large: more than " +
               std::to_string(kMostActionFrames) + " frames, or more than " +
               std::to_string(kMostClsnBoxes) + " collision boxes in one list";
    case ActionProblem::SpritesTooLarge:
        return "the sprites are too large: with the sprite " + spriteName(load) + " they would take more than " +
               std::to_string(kMostSheetBytes >> 20) + " MB decoded";
    case ActionProblem::NoMemory:
        return "there was not enough memory to read the action";
    default:
        return std::nullopt;
    }
}

} // namespace

std::string problemText(const ActionLoad& load, int action) {
    if (auto text = extractionText(load)) {
        return *text;
    }
    if (auto text = boundText(load, action)) {
        return *text;
    }
    switch (load.problem) {
    case ActionProblem::NoCharacter:
        return "the character cannot be read";
    case ActionProblem::NoAirFile:
        return "the character's .air file is missing or unreadable";
    case ActionProblem::NoAction:
        return "the .air file has no action " + std::to_string(action);
    case ActionProblem::NoSpriteFile:
        return "the character's sprite file is missing or unreadable";
    default:
        return "the sprite " + spriteName(load) + " is missing or cannot be decoded";
    }
}

} // namespace zorvik::cli
