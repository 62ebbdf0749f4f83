#pragma once

#include <string>
#include <vector>

#include "support/fixture_entry.h"

namespace zorvik::test {

// The bytes of a RAR 4 archive holding entries, stored without compression:
// marker block, archive header, one file header (with its CRCs) and the data
// per entry, end-of-archive block. Entries are made on a Unix host, so their
// mode carries the entry kind. Names are stored as raw bytes (as Windows
// tools store their code page), with no Unicode name. Hard links have no
// RAR 4 form and are rejected.
std::string rar4Archive(const std::vector<FixtureEntry>& entries);

} // namespace zorvik::test
