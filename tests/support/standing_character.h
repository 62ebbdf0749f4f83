#pragma once

#include <string>

#include "support/pcx_writer.h"

namespace zorvik::test {

// The pictures of a standing character's sprites: (0, 0) a 4 x 3 body,
// (0, 1) a 3 x 2 one, each with colour 0 around a figure.
PcxPicture standingBody();
PcxPicture standingStep();

// The .act file a standing character comes with: its triple k (from 0)
// holds colour 255 - k, which is (i, 255 - i, 128) for colour i.
std::string standingAct();

// A character folder whose action 0 has three frames: (0, 0) for 5 ticks,
// (0, 1) flipped H for 4, Loopstart, then (0, 2), a link to (0, 0), held
// (-1). Sprite axes: (0, 0) at (2, 3), (0, 1) at (1, 2), (0, 2) at (0, 0).
// Version 1 files put the two pictures under the shared-palette flag after
// a portrait with its own palette and name stand.act as pal1; version 2
// files give each picture the palette distinctPalette().
struct StandingCharacter {
    int version = 1;
    bool withAct = true;
    std::string name = "Stander";

    // Writes folder/stand.def, stand.air, stand.sff and (version 1) stand.act.
    void writeTo(const std::string& folder) const;

    std::string defText() const;
    std::string airText() const;
    std::string sffBytes() const;
};

// A large, realistic version 1 sprite file of at least minBytes: a
// portrait with its own palette, then sprites of noisy pictures (3 to 5 KB
// each) under the shared-palette flag, twelve to a group in groups 0, 5,
// 10 and on. With standingLast, group 0 comes last instead of first.
std::string realisticSff(std::size_t minBytes, bool standingLast = false);

// Action 0 of a realistic character: the twelve sprites of group 0, 4 to 7
// ticks each, looping from the third; then a few other actions.
std::string realisticAir();

// A character a person can look at: action 0 is four 64 x 96 frames of a
// drawn fighter breathing, in folder/show.def, show.air, show.sff and (for
// version 1) show.act, whose colours are the drawing's with red and blue
// swapped, so that a picture tells whether the .act was used.
void writeShowcaseCharacter(const std::string& folder, const std::string& name, int version);

} // namespace zorvik::test
