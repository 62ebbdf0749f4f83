#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorvik::test {

// One subfile of an SFF version 1 fixture.
struct SffSubfile {
    std::int16_t group = 0;
    std::int16_t image = 0;
    std::string pcx; // the raw PCX data; empty for a linked sprite
    std::uint16_t linkIndex = 0;
    std::uint16_t samePalette = 0;           // stored little-endian in bytes 18 and 19
    std::optional<std::uint32_t> length;     // stored instead of pcx.size()
    std::optional<std::uint32_t> nextOffset; // stored instead of the next subfile's offset
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;

    static SffSubfile sprite(std::int16_t group, std::int16_t image, std::string pcx);
    static SffSubfile link(std::int16_t group, std::int16_t image, std::uint16_t linkIndex);
};

// An SFF version 1 file: the 512-byte header, then the subfiles one after
// another from offset 512, each pointing at the next and the last at 0.
struct SffFile {
    std::string signature = std::string("ElecbyteSpr\0", 12);
    std::uint8_t version = 1;
    std::uint32_t firstSubfileOffset = 512;
    std::vector<SffSubfile> subfiles;

    // The file offset at which subfile index starts.
    std::uint32_t offsetOf(std::size_t index) const;
    std::string bytes() const;
};

} // namespace zorvik::test
