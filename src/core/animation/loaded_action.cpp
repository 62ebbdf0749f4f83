#include "core/animation/loaded_action.h"

#include <map>
#include <new>
#include <utility>

#include "core/animation/act_palette.h"

namespace zorvik {

namespace {

ActionLoad failure(ActionProblem problem, std::int16_t group = 0, std::int16_t number = 0) {
    return ActionLoad{std::nullopt, problem, group, number, {}};
}

ActionLoad loadSprites(const AirAction& action, SpriteSheet& sheet) {
    LoadedAction loaded{action, {}, {}, sheet.version()};
    std::map<std::pair<std::int16_t, std::int16_t>, std::size_t> known;
    for (const AirFrame& frame : action.frames) {
        const auto key = std::pair(frame.group, frame.number);
        auto found = known.find(key);
        if (found == known.end()) {
            auto sprite = sheet.Sprite(frame.group, frame.number);
            if (!sprite) {
                return failure(sheet.overBudget() ? ActionProblem::SpritesTooLarge : ActionProblem::NoSprite,
                               frame.group, frame.number);
            }
            loaded.sprites.push_back(std::move(*sprite));
            found = known.emplace(key, loaded.sprites.size() - 1).first;
        }
        loaded.spriteOfFrame.push_back(found->second);
    }
    return ActionLoad{std::move(loaded), ActionProblem::None, 0, 0, {}};
}

ActionLoad loadAction(const std::string& airPath, const std::string& spritePath,
                      const std::string& actPath, int number) {
    const auto document = airPath.empty() ? std::nullopt : readAirFile(airPath, number);
    if (!document) {
        return failure(ActionProblem::NoAirFile);
    }
    const AirAction* action = document->action(number);
    if (action != nullptr && action->tooLarge) {
        return failure(ActionProblem::ActionTooLarge);
    }
    if (action == nullptr || action->frames.empty()) {
        return failure(ActionProblem::NoAction);
    }
    SpriteSheet sheet;
    const auto act = actPath.empty() ? std::nullopt : readActPalette(actPath);
    if (spritePath.empty() || !sheet.Open(spritePath, act)) {
        return failure(ActionProblem::NoSpriteFile);
    }
    return loadSprites(*action, sheet);
}

} // namespace

ActionLoad LoadAction(const std::string& airPath, const std::string& spritePath,
                      const std::string& actPath, int number) {
    // Whatever a file asks for is bounded, but memory may still run out:
    // that is this character's problem, not the end of the program.
    try {
        return loadAction(airPath, spritePath, actPath, number);
    } catch (const std::bad_alloc&) {
        return failure(ActionProblem::NoMemory);
    }
}

} // namespace zorvik
