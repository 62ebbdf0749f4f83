#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Files a damaged or hostile character download may hold, for the tests
// and the fuzz seeds.
namespace zorvik::test {

// An SFF version 1 file whose subfile chain points back to its first
// subfile, and whose portrait sprite (9000, 1) is a link in a cycle of links.
std::string loopingSff();

// An SFF version 1 file whose portrait sprite (9000, 1) has a PCX header
// claiming 65535 x 65535 pixels, followed by a few bytes of data.
std::string hugeSpriteSff();

// A zip archive whose one entry inflates to size zero bytes, with the size
// declared honestly in its headers: a few kilobytes per gigabyte.
std::string zipBomb(const std::string& entryName, std::uint64_t size);

// A .def file that is one line of size bytes without a line break.
std::string endlessLineDef(std::size_t size);

// archive with the first byte of the first occurrence of stored changed:
// in an entry name it breaks its header's CRC, in a file's data the data's.
std::string withFlippedByte(std::string archive, std::string_view stored);

} // namespace zorvik::test
