#pragma once

#include <string>

namespace zorvik {
struct CheckReport;
}

namespace zorvik::cli {

class DataOutput;

// The report as text for people: one section per problem, one line per
// entry starting with the row's ID, values tab-separated as out shows them.
std::string checkReportText(const CheckReport& report, const DataOutput& out);

// The report as one JSON object (UTF-8), for scripts.
std::string checkReportJson(const CheckReport& report);

} // namespace zorvik::cli
