#pragma once

#include <functional>
#include <string>

#include <QString>

namespace zorvik {
class Kel_CharacterDb;
}

namespace zorvik::gui {

// How an opponent (a FighterList line, the engine's path of a character)
// is shown to the user: the character's NAME, with the folder or archive
// it is kept in, its group folder included, as the tool tip. Two "Kung Fu
// Man" are then told apart, and no one reads a .def path.
struct OpponentCaption {
    QString text;
    QString toolTip;
};

// Gives the caption of an opponent line.
using OpponentCaptions = std::function<OpponentCaption(const std::string& line)>;

// The caption from the catalogue; a line whose character it does not hold
// is shown as it is, with no tool tip.
OpponentCaption opponentCaption(Kel_CharacterDb& catalogue, const std::string& line);

} // namespace zorvik::gui
