#include "core/catalogue/version_date.h"

#include <array>

#include "core/text/ascii_text.h"

namespace zorvik {

namespace {

struct DateField {
    int value = 0;
    std::size_t digits = 0;
};

constexpr bool isSeparator(char c) {
    return c == ',' || c == '/' || c == '.' || c == '-' || text::isAsciiBlank(c);
}

// At most four digits at position; none when there are none or more.
std::optional<DateField> readNumber(std::string_view text, std::size_t& position) {
    DateField field;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        if (++field.digits > 4) {
            return std::nullopt;
        }
        field.value = field.value * 10 + (text[position++] - '0');
    }
    return field.digits > 0 ? std::optional(field) : std::nullopt;
}

// Exactly three numbers with separators between them and nothing else.
std::optional<std::array<DateField, 3>> readFields(std::string_view text) {
    std::array<DateField, 3> fields;
    std::size_t position = 0;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const std::size_t before = position;
        while (k > 0 && position < text.size() && isSeparator(text[position])) {
            ++position;
        }
        const auto field =
            (k > 0 && position == before) ? std::nullopt : readNumber(text, position);
        if (!field) {
            return std::nullopt;
        }
        fields[k] = *field;
    }
    return position == text.size() ? std::optional(fields) : std::nullopt;
}

int fullYear(const DateField& year) {
    if (year.digits > 2) {
        return year.value;
    }
    return year.value + (year.value >= 70 ? 1900 : 2000);
}

} // namespace

std::optional<int> versionDateKey(std::string_view text) {
    const auto fields = readFields(text::trimmed(text));
    if (!fields) {
        return std::nullopt;
    }
    const auto& [first, second, third] = *fields;
    int year = 0;
    int month = second.value;
    int day = third.value;
    if (first.digits == 4) {
        year = first.value;
    } else if (third.digits == 3) {
        return std::nullopt;
    } else {
        year = fullYear(third);
        // month,day,year as the engine writes it, unless the first cannot be a month.
        month = first.value > 12 ? second.value : first.value;
        day = first.value > 12 ? first.value : second.value;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1) {
        return std::nullopt;
    }
    return year * 10000 + month * 100 + day;
}

} // namespace zorvik
