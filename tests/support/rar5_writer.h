#pragma once

#include <string>
#include <vector>

#include "support/fixture_entry.h"

namespace zorvik::test {

// The bytes of a RAR 5 archive holding entries, stored without compression:
// signature, main archive header, one file header (header CRC-32, data
// CRC-32) and the data per entry, end-of-archive header. Entries are made on
// a Unix host; names are UTF-8. Links are file headers with a redirection
// record (Unix symbolic link or hard link) and no data. FIFOs and devices
// are Unix modes.
std::string rar5Archive(const std::vector<FixtureEntry>& entries);

} // namespace zorvik::test
