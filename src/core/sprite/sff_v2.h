#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/random_access_file.h"
#include "core/sprite/palette_node_v2.h"
#include "core/sprite/sff_header_v2.h"
#include "core/sprite/sprite_node_v2.h"
#include "core/sprite/sprite_picture.h"

namespace zorvik {

// An SFF version 2 file (2.00 or 2.01). Opening reads the header and the
// two node tables; a sprite's data and its palette are read from the file
// when the sprite is asked for, so a large file costs only what one sprite
// needs. Each caller builds its own; the object shares nothing with others.
class KelSFFV2 {
public:
    // Opens the file and reads its header and node tables; false when it is
    // no version 2 file or a table does not lie wholly inside it.
    bool Open(const std::string& path);

    const SFFHEADERV2& header() const { return header_; }
    const std::vector<SPRITENODEV2>& sprites() const { return sprites_; }
    const std::vector<PALETTENODEV2>& palettes() const { return palettes_; }

    // The index of the first sprite node with this group and image.
    std::optional<std::size_t> FindSprite(std::int16_t group, std::int16_t image) const;

    // The index of the node whose data the sprite node at index shows,
    // links followed; none for a link out of the table or a loop.
    std::optional<std::size_t> DataNode(std::size_t index) const;

    // The 256 colours of the palette at index, links followed; colours the
    // palette does not hold are black. None when the index, a link or the
    // palette's data lies outside the file.
    std::optional<SpritePalette> ReadPalette(std::size_t index) const;

    // The sprite decoded, links followed; none when it is missing, its data
    // or palette cannot be read, or it does not decode.
    std::optional<SpritePicture> GetSprite(std::int16_t group, std::int16_t image) const;

private:
    template <typename Node>
    bool readTable(std::uint32_t offset, std::uint32_t count, std::vector<Node>& nodes) const;
    // Where length bytes at offset of ldata (or tdata) lie in the file;
    // none unless they lie wholly inside both the block and the file.
    std::optional<std::uint64_t> fileOffsetInBlock(bool tdata, std::uint32_t offset,
                                                   std::uint32_t length) const;

    platform::RandomAccessFile file_;
    SFFHEADERV2 header_;
    std::vector<SPRITENODEV2> sprites_;
    std::vector<PALETTENODEV2> palettes_;
};

} // namespace zorvik
