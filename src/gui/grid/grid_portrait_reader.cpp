#include "gui/grid/grid_portrait_reader.h"

#include "core/catalogue/portrait_store.h"
#include "gui/portrait/portrait_drawing.h"

namespace zorvik::gui {

GridPortrait readGridPortrait(Kel_CharacterDb& db, qint64 id, QSize boxSize) {
    const PortraitRead read = PortraitStore(db).readById(id);
    if (!read.opened || read.bytes.empty()) {
        return {};
    }
    const QImage decoded =
        QImage::fromData(read.bytes.data(), static_cast<int>(read.bytes.size()));
    // Bytes that do not decode leave an empty picture, as the portrait pane draws them.
    return {decoded.isNull() ? QImage() : preparedPortrait(decoded, boxSize), true};
}

} // namespace zorvik::gui
