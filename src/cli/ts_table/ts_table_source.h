#pragma once

#include <string>
#include <vector>

#include "cli/ts_table/ts_reader.h"

namespace zorvik::cli {

// The C++ source of the companion's English table (cli/english_texts.h)
// holding entries in their order.
std::string englishTableSource(const std::vector<TsEntry>& entries);

} // namespace zorvik::cli
