#include "core/animation/air_line.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <algorithm>
#include <limits>

namespace zorvik::air {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Takes word from the front of text, letter case ignored.
bool takeWord(std::string_view& text, std::string_view word) {
    if (text.size() < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (upper(text[i]) != upper(word[i])) {
            return false;
        }
    }
    text.remove_prefix(word.size());
    return true;
}

// Takes the blanks from the front of text; false when there were none.
bool takeBlanks(std::string_view& text) {
    const std::size_t before = text.size();
    text = trimmed(text);
    return text.size() != before;
}

// A decimal integer with an optional sign and surrounding blanks, inside
// [lowest, highest].
std::optional<int> wholeNumber(std::string_view text, long long lowest = std::numeric_limits<int>::min(),
                               long long highest = std::numeric_limits<int>::max()) {
    text = trimmed(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < lowest || value > highest) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// The comma-separated fields of a line, trimmed; lines hold only a few, and
// fields past kMostFields are not kept.
constexpr std::size_t kMostFields = 10;
struct Fields {
    std::array<std::string_view, kMostFields> parts{};
    std::size_t count = 0;

    std::string_view operator[](std::size_t i) const { return i < count ? parts[i] : std::string_view(); }
};

Fields fields(std::string_view text) {
    Fields result;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (result.count < kMostFields) {
            result.parts[result.count] = trimmed(text.substr(start, comma - start));
        }
        ++result.count;
        if (comma == std::string_view::npos) {
            result.count = std::min(result.count, kMostFields);
            return result;
        }
        start = comma + 1;
    }
}

std::optional<std::string> flipField(std::string_view text) {
    std::string flip;
    for (const char c : text) {
        flip += upper(c);
    }
    if (flip == "VH") {
        return "HV";
    }
    if (flip.empty() || flip == "H" || flip == "V" || flip == "HV") {
        return flip;
    }
    return std::nullopt;
}

// Takes the decimal digits from the front of text; false when there were none.
bool takeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
        ++count;
    }
    text.remove_prefix(count);
    return count != 0;
}

// A, A1, S and AS<n>D<m> (the source and destination weights), any case.
std::optional<std::string> blendField(std::string_view text) {
    std::string blend;
    for (const char c : text) {
        blend += upper(c);
    }
    if (blend.empty() || blend == "A" || blend == "A1" || blend == "S") {
        return blend;
    }
    std::string_view rest = blend;
    if (takeWord(rest, "AS") && takeDigits(rest) && takeWord(rest, "D") && takeDigits(rest) &&
        rest.empty()) {
        return blend;
    }
    return std::nullopt;
}

// "Clsn1" or "Clsn2" at the front of text: its kind.
std::optional<int> takeClsnKind(std::string_view& text) {
    if (!takeWord(text, "Clsn") || text.empty() || (text.front() != '1' && text.front() != '2')) {
        return std::nullopt;
    }
    const int kind = text.front() - '0';
    text.remove_prefix(1);
    return kind;
}

} // namespace

std::string_view withoutComment(std::string_view line) {
    return trimmed(line.substr(0, line.find(';')));
}

std::optional<int> beginActionNumber(std::string_view line) {
    if (!line.starts_with('[') || !line.ends_with(']')) {
        return std::nullopt;
    }
    std::string_view inside = trimmed(line.substr(1, line.size() - 2));
    if (!takeWord(inside, "Begin") || !takeBlanks(inside) || !takeWord(inside, "Action") ||
        !takeBlanks(inside)) {
        return std::nullopt;
    }
    return wholeNumber(inside);
}

bool isLoopStart(std::string_view line) {
    return takeWord(line, "Loopstart") && line.empty();
}

std::optional<ClsnHeader> clsnHeader(std::string_view line) {
    ClsnHeader header;
    const auto kind = takeClsnKind(line);
    if (!kind) {
        return std::nullopt;
    }
    header.kind = *kind;
    header.isDefault = takeWord(line, "Default");
    takeBlanks(line);
    if (!takeWord(line, ":")) {
        return std::nullopt;
    }
    // The count is checked but not trusted: the box lines that follow count.
    if (!wholeNumber(line, 0)) {
        return std::nullopt;
    }
    return header;
}

std::optional<ClsnBoxLine> clsnBoxLine(std::string_view line) {
    ClsnBoxLine box;
    const auto kind = takeClsnKind(line);
    takeBlanks(line);
    const std::size_t close = line.find(']');
    const std::size_t equals = line.find('=');
    if (!kind || !line.starts_with('[') || close == std::string_view::npos ||
        equals == std::string_view::npos || close > equals ||
        !wholeNumber(line.substr(1, close - 1), 0) || !trimmed(line.substr(close + 1, equals - close - 1)).empty()) {
        return std::nullopt;
    }
    const Fields corners = fields(line.substr(equals + 1));
    if (corners.count != 4) {
        return std::nullopt;
    }
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < corners.count; ++i) {
        const auto value = wholeNumber(corners[i]);
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    box.kind = *kind;
    box.box = ClsnBox{values[0], values[1], values[2], values[3]};
    return box;
}

std::optional<AirFrame> frameLine(std::string_view line) {
    const Fields parts = fields(line);
    // Fields past the blend (the newer engines' scale and angle) are not shown here.
    if (parts.count < 5) {
        return std::nullopt;
    }
    constexpr long long kShortLowest = std::numeric_limits<std::int16_t>::min();
    constexpr long long kShortHighest = std::numeric_limits<std::int16_t>::max();
    const auto group = wholeNumber(parts[0], kShortLowest, kShortHighest);
    const auto number = wholeNumber(parts[1], kShortLowest, kShortHighest);
    // Offsets are screen distances: 16 bits, like the axis they move.
    const auto x = wholeNumber(parts[2], kShortLowest, kShortHighest);
    const auto y = wholeNumber(parts[3], kShortLowest, kShortHighest);
    const auto time = wholeNumber(parts[4]);
    const auto flip = flipField(parts[5]);
    const auto blend = blendField(parts[6]);
    if (!group || !number || !x || !y || !time || !flip || !blend) {
        return std::nullopt;
    }
    AirFrame frame;
    frame.group = static_cast<std::int16_t>(*group);
    frame.number = static_cast<std::int16_t>(*number);
    frame.x = *x;
    frame.y = *y;
    frame.time = *time;
    frame.flip = *flip;
    frame.blend = *blend;
    return frame;
}

} // namespace zorvik::air
