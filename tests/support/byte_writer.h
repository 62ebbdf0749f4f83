#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Little helpers for writing binary fixture formats into a byte string.
namespace zorvik::test {

void appendLe16(std::string& out, std::uint32_t value);
void appendLe32(std::string& out, std::uint32_t value);
// RAR 5's variable-length integer: 7 bits a byte, low bits first.
void appendVint(std::string& out, std::uint64_t value);
// CRC-32 as zip, RAR and PNG use it (reflected polynomial 0xEDB88320).
std::uint32_t crc32(std::string_view bytes);

} // namespace zorvik::test
