#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;
class QPalette;

namespace zorvik::gui {

// How a portrait is drawn, in the portrait pane and the portrait grid alike.

// The size a portrait of imageSize is drawn at in a box of boxSize: its own
// when it fits, otherwise scaled down to fit, keeping its proportions (never
// less than one pixel a side).
QSize fittedPortraitSize(QSize imageSize, QSize boxSize);

// The portrait as it is drawn: palette colour 0, which the engine leaves
// out, made transparent. An image without a palette is returned as it is;
// the stored portrait keeps its colour 0 whatever is drawn.
QImage withTransparentColourZero(const QImage& portrait);

// The portrait ready to be drawn in a box of boxSize: colour 0 transparent,
// scaled down smoothly when it does not fit, and premultiplied for quick drawing.
QImage preparedPortrait(const QImage& portrait, QSize boxSize);

// Draws a portrait centred in box at its fitted size (smoothly filtered
// when scaled), over whatever the painter already drew there.
void drawPortrait(QPainter& painter, const QImage& portrait, const QRect& box);

// The frame with "No Image" that stands for a row without a portrait.
void drawNoImage(QPainter& painter, const QRect& box, const QPalette& palette);

} // namespace zorvik::gui
