#pragma once

#include <QSize>

#include "gui/grid/portrait_cache.h"

namespace zorvik {
class Kel_CharacterDb;
} // namespace zorvik

namespace zorvik::gui {

// Reads a row's stored portrait and prepares it for a picture box of
// boxSize (see preparedPortrait). Safe on a worker thread: the catalogue's
// connection is shared under its lock. A row without a portrait (no row,
// NULL, no bytes) gives stored false.
GridPortrait readGridPortrait(Kel_CharacterDb& db, qint64 id, QSize boxSize);

} // namespace zorvik::gui
