#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/random_access_file.h"
#include "core/sprite/pcx_decoder.h"
#include "core/sprite/sprite_header_v1.h"

namespace zorvik {

// An SFF version 1 file read in parts, for showing a few of its sprites:
// the chain of subfile headers is followed only as far as the sprites
// asked for need, and only their data and palettes are read. Lookup,
// links and shared palettes follow the same rules as KelSFFEx.
class SffV1Parts {
public:
    using Palette = std::array<std::uint8_t, 768>; // red, green, blue triples

    // Checks the file header as KelSFF does and reads the first subfile
    // header; false when the file is no readable version 1 file.
    bool Open(const std::string& path);

    // The index of the record the first subfile with this group and image
    // leads to, links followed; none when there is none or a link is broken.
    // asked receives the index of that first subfile itself.
    std::optional<std::size_t> FindSprite(std::int16_t group, std::int16_t image,
                                          std::size_t* asked = nullptr);

    // The header of the record at index, which FindSprite has reached.
    const SPRITEHEADERV1SET& record(std::size_t index) const { return records_[index].header; }

    // The palette the file gives the record at index: its own, or for a
    // flagged record the one of the nearest earlier record without the flag.
    std::optional<Palette> PaletteOf(std::size_t index) const;

    // The pixels Decode gives the record, from its PCX header alone; none
    // when the header cannot be read or is no PCX header Decode takes.
    std::optional<std::uint64_t> ColouredPixels(std::size_t index) const;

    // The record's PCX pixels decoded straight into the given colours: the
    // rows KelSFFEx decodes, top row first (see DecodePcxColoured).
    std::optional<ColouredPcx> Decode(std::size_t index, const PcxColours& colours,
                                      std::uint64_t mostPixels) const;

private:
    struct Record {
        SPRITEHEADERV1SET header; // pcxData stays empty: the data is read when asked for
        std::uint32_t offset = 0;
    };

    // Reads one more subfile header; false at the end of the chain.
    bool walkOne();
    // Walks until the record at index is known; false when the chain ends first.
    bool reach(std::size_t index);
    std::optional<std::size_t> resolveLinks(std::size_t index);
    // The bytes of the file from offset, as many as fit, at most length.
    std::optional<std::vector<std::uint8_t>> readClipped(std::uint64_t offset,
                                                         std::uint64_t length) const;

    platform::RandomAccessFile file_;
    std::vector<Record> records_;
    std::uint32_t next_ = 0;
    bool ended_ = true;
    // The palette read last, and the index of the record that holds it.
    mutable std::optional<std::pair<std::size_t, Palette>> lastPalette_;
};

} // namespace zorvik
