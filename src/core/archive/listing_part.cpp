#include "core/archive/listing_part.h"

#include <charconv>

namespace zorvik {

namespace {

// The next line of text from position (without its line feed); none at the end.
std::optional<std::string_view> nextLine(std::string_view text, std::size_t& position) {
    if (position >= text.size()) {
        return std::nullopt;
    }
    const std::size_t end = text.find('\n', position);
    if (end == std::string_view::npos) {
        return std::nullopt; // every line of a listing ends with a line feed
    }
    const std::string_view line = text.substr(position, end - position);
    position = end + 1;
    return line;
}

// The number after label in a line "label<number>"; none when it is not one.
std::optional<std::uint64_t> labelledNumber(std::optional<std::string_view> line,
                                            std::string_view label) {
    if (!line || line->substr(0, label.size()) != label) {
        return std::nullopt;
    }
    const std::string_view digits = line->substr(label.size());
    std::uint64_t value = 0;
    const auto [end, code] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (code != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<ListingPart> parseListingPart(std::string_view output) {
    std::size_t position = 0;
    const auto count = labelledNumber(nextLine(output, position), "files: ");
    // Each name takes at least two bytes, so a larger count cannot be true.
    if (!count || *count > output.size() / 2) {
        return std::nullopt;
    }
    ListingPart part;
    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto name = nextLine(output, position);
        if (!name || name->empty()) {
            return std::nullopt;
        }
        part.names.emplace_back(*name);
    }
    if (position == output.size()) {
        return part;
    }
    part.next = labelledNumber(nextLine(output, position), "next: ");
    if (!part.next || position != output.size()) {
        return std::nullopt;
    }
    return part;
}

} // namespace zorvik
