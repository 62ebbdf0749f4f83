#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// One answer of a plug-in's listing command (see archiver_abi.h).
struct ListingPart {
    std::vector<std::string> names;
    // Where the next part starts; none when the list is complete.
    std::optional<std::uint64_t> next;
};

// Reads a listing command's output; none when it is not a listing (an
// error text, or a plug-in that answered something else).
std::optional<ListingPart> parseListingPart(std::string_view output);

} // namespace zorvik
