#include "gui/app/opponent_caption.h"

#include "core/catalogue/file_name_lookup.h"
#include "core/roster/character_def.h"

namespace zorvik::gui {

OpponentCaption opponentCaption(Kel_CharacterDb& catalogue, const std::string& line) {
    const std::string fileName = fileNameOfEnginePath(line);
    const auto name = nameOfFileName(catalogue, fileName);
    if (!name || name->empty()) {
        return {QString::fromStdString(line), QString()};
    }
    return {QString::fromStdString(*name), QString::fromStdString(fileName)};
}

} // namespace zorvik::gui
