#include "core/settings/integer_text.h"

#include <cstdint>
#include <limits>

namespace zorvik {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads digits from position i on; sets i past them.
std::int64_t readDigits(std::string_view text, std::size_t& i) {
    constexpr std::int64_t kCap = std::int64_t{1} << 32;
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kCap);
    }
    return value;
}

int saturate(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

} // namespace

int parseLeadingInt(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        ++i;
    }
    const std::int64_t magnitude = readDigits(text, i);
    return saturate(negative ? -magnitude : magnitude);
}

std::optional<int> parseWholeInt(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    const std::size_t digitsStart = i;
    const std::int64_t magnitude = readDigits(text, i);
    if (i == digitsStart || i != text.size()) {
        return std::nullopt;
    }
    const std::int64_t value = text[0] == '-' ? -magnitude : magnitude;
    if (value != saturate(value)) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace zorvik
