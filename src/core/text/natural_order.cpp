#include "core/text/natural_order.h"

#include "core/text/ascii_text.h"

namespace zorvik::text {

namespace {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of digits at the start of text, without its leading zeros (one
// zero stays for a run of zeros); position moves past the whole run.
std::string_view numberAt(std::string_view text, std::size_t& position) {
    const std::size_t start = position;
    while (position < text.size() && isDigit(text[position])) {
        ++position;
    }
    std::size_t first = start;
    while (first + 1 < position && text[first] == '0') {
        ++first;
    }
    return text.substr(first, position - first);
}

// Numbers without leading zeros: the shorter is the smaller, else the digits decide.
int compareNumbers(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    const int digits = a.compare(b);
    return digits < 0 ? -1 : (digits > 0 ? 1 : 0);
}

int compareBytes(char a, char b) {
    const auto left = static_cast<unsigned char>(asciiLower(a));
    const auto right = static_cast<unsigned char>(asciiLower(b));
    return left < right ? -1 : (left > right ? 1 : 0);
}

} // namespace

int compareNaturally(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        // A number meets a number by its value; against any other byte it
        // stands where its digits stand, as a plain comparison puts it.
        const int order = isDigit(a[i]) && isDigit(b[j])
                              ? compareNumbers(numberAt(a, i), numberAt(b, j))
                              : compareBytes(a[i++], b[j++]);
        if (order != 0) {
            return order;
        }
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

} // namespace zorvik::text
