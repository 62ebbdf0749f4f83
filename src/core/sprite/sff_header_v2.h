#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zorvik {

// The 512-byte header of an SFF version 2 file (2.00 and 2.01): where the
// sprite and palette node tables lie, how many nodes they hold, and where
// the literal (ldata) and translated (tdata) data blocks lie.
struct SFFHEADERV2 {
    static constexpr std::size_t kSize = 512;

    std::uint32_t spriteNodeOffset = 0;
    std::uint32_t spriteCount = 0;
    std::uint32_t paletteNodeOffset = 0;
    std::uint32_t paletteCount = 0;
    std::uint32_t ldataOffset = 0;
    std::uint32_t ldataLength = 0;
    std::uint32_t tdataOffset = 0;
    std::uint32_t tdataLength = 0;

    // Reads the header from the file's first kSize bytes; none unless they
    // start with the signature and the major version byte is 2.
    static std::optional<SFFHEADERV2> read(std::span<const std::uint8_t> bytes);
};

} // namespace zorvik
