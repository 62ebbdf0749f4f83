#include "gui/portrait/portrait_drawing.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace zorvik::test {
namespace {

using gui::drawPortrait;
using gui::fittedPortraitSize;

const QColor kBackground(10, 20, 30);

// A portrait whose every pixel differs from its neighbours, so that any
// scaling or filtering shows.
QImage patterned(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, (x * y) % 256));
        }
    }
    return image;
}

QImage drawnOnBackground(const QImage& portrait, QSize canvasSize, const QRect& box) {
    QImage canvas(canvasSize, QImage::Format_ARGB32);
    canvas.fill(kBackground);
    QPainter painter(&canvas);
    drawPortrait(painter, portrait, box);
    return canvas;
}

TEST(PortraitDrawing, TheFitKeepsProportionsAndNeverEnlarges) {
    const QSize box(128, 160);
    EXPECT_EQ(fittedPortraitSize({128, 160}, box), QSize(128, 160));
    EXPECT_EQ(fittedPortraitSize({20, 30}, box), QSize(20, 30));
    EXPECT_EQ(fittedPortraitSize({480, 560}, box), QSize(128, 149));
    EXPECT_EQ(fittedPortraitSize({320, 320}, box), QSize(128, 128));
    EXPECT_EQ(fittedPortraitSize({120, 649}, box), QSize(29, 160));
    EXPECT_EQ(fittedPortraitSize({129, 160}, box), QSize(128, 158));
    // A hair-thin portrait keeps a pixel; nothing to draw gives nothing.
    EXPECT_EQ(fittedPortraitSize({1, 100000}, box), QSize(1, 160));
    EXPECT_EQ(fittedPortraitSize({0, 50}, box), QSize(0, 0));
    EXPECT_EQ(fittedPortraitSize({50, 50}, {0, 0}), QSize(0, 0));
}

TEST(PortraitDrawing, APortraitThatFitsIsDrawnPixelForPixelInTheCentre) {
    const QImage portrait = patterned(101, 120);
    const QImage canvas = drawnOnBackground(portrait, {200, 200}, QRect(10, 20, 128, 160));
    // (128 - 101) / 2 = 13 and (160 - 120) / 2 = 20 from the box's corner.
    const QPoint corner(23, 40);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QPoint at(x, y);
            const QPoint inPortrait = at - corner;
            const QRgb expected = portrait.rect().contains(inPortrait)
                                      ? portrait.pixel(inPortrait)
                                      : kBackground.rgb();
            ASSERT_EQ(canvas.pixel(at), expected) << x << "," << y;
        }
    }
}

TEST(PortraitDrawing, ColourZeroIsTransparentWhenDrawnOnlyAndOnlyInAPalette) {
    QImage indexed(4, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 255)});
    for (int x = 0; x < 4; ++x) {
        indexed.setPixel(x, 0, static_cast<uint>(x % 3));
    }
    const QImage canvas = drawnOnBackground(indexed, {4, 1}, QRect(0, 0, 4, 1));
    EXPECT_EQ(canvas.pixel(0, 0), kBackground.rgb());
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 255, 0));
    // Another entry of the same colour is not colour 0: it is drawn.
    EXPECT_EQ(canvas.pixel(2, 0), qRgb(255, 0, 255));
    EXPECT_EQ(canvas.pixel(3, 0), kBackground.rgb());
    EXPECT_EQ(indexed.color(0), qRgb(255, 0, 255)); // the portrait itself is untouched

    // A true-colour portrait has no colour 0: magenta there is a colour like any other.
    QImage rgb(1, 1, QImage::Format_RGB32);
    rgb.fill(QColor(255, 0, 255));
    EXPECT_EQ(drawnOnBackground(rgb, {1, 1}, QRect(0, 0, 1, 1)).pixel(0, 0), qRgb(255, 0, 255));
}

TEST(PortraitDrawing, APreparedPortraitIsScaledSmoothlyWithColourZeroClear) {
    QImage indexed(256, 320, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 255, 0), qRgb(200, 0, 0)});
    indexed.fill(1);
    for (int x = 0; x < 256; ++x) {
        indexed.setPixel(x, 0, 0); // a green line of colour 0 along the top
    }
    const QImage prepared = gui::preparedPortrait(indexed, {128, 160});
    EXPECT_EQ(prepared.size(), QSize(128, 160));
    EXPECT_EQ(prepared.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_LT(qAlpha(prepared.pixel(64, 0)), 255); // half of it was clear
    EXPECT_EQ(prepared.pixel(64, 80), qRgb(200, 0, 0));
    // Smaller than the box: not enlarged.
    EXPECT_EQ(gui::preparedPortrait(indexed.copy(0, 0, 50, 60), {128, 160}).size(), QSize(50, 60));
}

} // namespace
} // namespace zorvik::test
