#pragma once

#include <cstddef>
#include <string>

// Characters whose standing animation asks for far more memory than its
// files hold, for the tests, the figures and the fuzz seeds.
namespace zorvik::test {

// An SFF version 1 file of about 10 KB: sprite (0, 0) claims 4096 x 4096
// pixels but its rows hold 2 bytes each, and sprites (0, 1) to (0, links)
// are links to it.
std::string linkedNarrowSff(int links);

// An SFF version 2 file whose sprites (0, 0) to (0, pictures - 1) are PNG8
// pictures of 4096 x 4096 pixels (64 MB each in colour, a few KB stored),
// followed by links (0, pictures) to (0, pictures + links - 1) to (0, 0).
std::string largeSffV2(int pictures, int links);

// Action 0 showing sprites (0, 0) to (0, frames - 1), one tick each.
std::string spriteRunAir(int frames);

// Action 0 with one list of boxes default hurt boxes, then frames frames,
// each taking every default.
std::string defaultBoxesAir(std::size_t boxes, std::size_t frames);

// defaultBoxesAir of about bytes bytes, half of them boxes, half frames.
std::string boxHeavyAir(std::size_t bytes);

// Writes folder/hostile.def (its Name name) naming folder/hostile.air and
// folder/hostile.sff with the given contents.
void writeAnimatedCharacter(const std::string& folder, const std::string& air,
                            const std::string& sff, const std::string& name = "Hostile");

} // namespace zorvik::test
