#include "support/drawn_portrait.h"

#include <array>
#include <cmath>

namespace zorvik::test {

namespace {

// Palette indices of the drawing's parts.
enum Colour : std::uint8_t {
    kBackdrop = 0,
    kOutline = 1,
    kSkin = 2,   // 4 shades, lightest first
    kHair = 6,   // 4 shades
    kShirt = 10, // 4 shades
    kEyeWhite = 14,
    kIris = 15,
    kPupil = 16,
    kMouth = 17,
    kBand = 18, // 4 backdrop bands
    kBlush = 22,
};

constexpr std::array<std::array<std::uint8_t, 3>, 32> kColours = {{
    {30, 40, 70},    {25, 18, 20},    {255, 226, 198}, {240, 196, 160}, {210, 156, 124},
    {165, 110, 88},  {250, 222, 96},  {232, 182, 44},  {184, 124, 24},  {122, 74, 12},
    {236, 88, 78},   {206, 52, 52},   {160, 32, 42},   {110, 22, 32},   {250, 250, 250},
    {44, 122, 204},  {12, 12, 32},    {172, 42, 62},   {42, 56, 96},    {52, 72, 122},
    {62, 88, 142},   {72, 104, 162},  {246, 162, 152}, {200, 200, 200}, {180, 180, 180},
    {160, 160, 160}, {140, 140, 140}, {120, 120, 120}, {100, 100, 100}, {80, 80, 80},
    {60, 60, 60},    {40, 40, 40},
}};

bool inEllipse(double u, double v, double cu, double cv, double ru, double rv) {
    const double du = (u - cu) / ru;
    const double dv = (v - cv) / rv;
    return du * du + dv * dv <= 1.0;
}

// One of four shades, lightest where the light from the upper left falls.
std::uint8_t shade(std::uint8_t first, double u, double v, double cu, double cv) {
    const double light = (cu - u) * 1.6 + (cv - v) * 1.0;
    return static_cast<std::uint8_t>(first + (light > 0.08    ? 0
                                              : light > -0.02 ? 1
                                              : light > -0.12 ? 2
                                                              : 3));
}

std::uint8_t faceDetail(double u, double v) {
    for (const double eye : {0.42, 0.58}) {
        if (inEllipse(u, v, eye, 0.47, 0.012, 0.016)) {
            return kPupil;
        }
        if (inEllipse(u, v, eye, 0.47, 0.024, 0.026)) {
            return kIris;
        }
        if (inEllipse(u, v, eye, 0.47, 0.045, 0.03)) {
            return kEyeWhite;
        }
        if (inEllipse(u, v, eye + (eye < 0.5 ? -0.03 : 0.03), 0.55, 0.03, 0.015)) {
            return kBlush;
        }
    }
    if (inEllipse(u, v, 0.5, 0.6, 0.06, 0.02) && v > 0.6) {
        return kMouth;
    }
    return shade(kSkin, u, v, 0.5, 0.42);
}

// The part of the drawing at (u, v), both from 0 to 1, before outlining.
std::uint8_t partAt(double u, double v) {
    const bool hairTop = inEllipse(u, v, 0.5, 0.38, 0.27, 0.26) &&
                         v < 0.36 + 0.04 * std::sin(u * 60.0) + (std::abs(u - 0.5) > 0.2 ? 0.2 : 0);
    if (hairTop) {
        const int strand = static_cast<int>(u * 40 + v * 12) % 4;
        return static_cast<std::uint8_t>(kHair + (strand == 0 ? 1 : 0) +
                                         (shade(0, u, v, 0.45, 0.2) > 1 ? 2 : 0));
    }
    if (inEllipse(u, v, 0.5, 0.47, 0.2, 0.25)) {
        return faceDetail(u, v);
    }
    if (u > 0.44 && u < 0.56 && v > 0.6 && v < 0.8) {
        return static_cast<std::uint8_t>(kSkin + 2);
    }
    if (inEllipse(u, v, 0.5, 1.12, 0.44, 0.36)) {
        const int fold = static_cast<int>(std::abs(u - 0.5) * 30) % 3 == 0 ? 1 : 0;
        return static_cast<std::uint8_t>(std::min(3, shade(0, u, v, 0.4, 0.8) + fold) + kShirt);
    }
    return static_cast<std::uint8_t>(kBand + std::min(3, static_cast<int>(v * 4)));
}

bool isBackdrop(std::uint8_t part) {
    return part >= kBand && part < kBand + 4;
}

// Parts whose meeting draws an outline: backdrop, skin, hair, shirt, eyes and mouth.
int groupOf(std::uint8_t part) {
    if (isBackdrop(part)) {
        return 0;
    }
    if (part >= kHair && part < kShirt) {
        return 2;
    }
    if (part >= kShirt && part < kEyeWhite) {
        return 3;
    }
    if (part >= kEyeWhite && part <= kMouth) {
        return 4;
    }
    return 1;
}

// Outlines the figure: a figure pixel whose right or lower neighbour
// belongs to another group of parts.
void outline(PcxPicture& picture) {
    const auto at = [&](int x, int y) -> std::uint8_t& {
        return picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
    };
    for (int y = 0; y + 1 < picture.height; ++y) {
        for (int x = 0; x + 1 < picture.width; ++x) {
            const int group = groupOf(at(x, y));
            if (group != 0 && at(x, y) != kOutline &&
                (groupOf(at(x + 1, y)) != group || groupOf(at(x, y + 1)) != group)) {
                at(x, y) = kOutline;
            }
        }
    }
}

} // namespace

PcxPicture drawnPortrait(int width, int height) {
    PcxPicture picture{width, height, {}, {}};
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels[static_cast<std::size_t>(y) * width + x] =
                partAt((x + 0.5) / width, (y + 0.5) / height);
        }
    }
    outline(picture);
    for (std::size_t i = 0; i < kColours.size(); ++i) {
        std::copy(kColours[i].begin(), kColours[i].end(), picture.palette.begin() + 3 * i);
    }
    return picture;
}

} // namespace zorvik::test
