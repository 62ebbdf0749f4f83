#pragma once

#include "support/pcx_writer.h"

namespace zorvik::test {

// A drawn, cel-shaded bust of a fighter (hair, face, eyes, mouth, shirt,
// dark outlines) over a banded backdrop, as sprite artists draw them: flat
// areas of a few shades, outlines one pixel wide. It uses 32 colours, the
// most the 5-bit formats (RLE5's runs, LZ5) can carry, so every version 2
// format can store it. A person can tell at a glance whether it came out right.
PcxPicture drawnPortrait(int width, int height);

} // namespace zorvik::test
