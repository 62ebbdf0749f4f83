#include "plugins/archiver/file_mask.h"

#include "plugins/archiver/ascii_case.h"

namespace zorvik::archiver {

namespace {

// The index after the UTF-8 character that starts at index.
std::size_t nextCharacter(std::string_view text, std::size_t index) {
    ++index;
    while (index < text.size() && (static_cast<unsigned char>(text[index]) & 0xC0) == 0x80) {
        ++index;
    }
    return index;
}

} // namespace

bool matchesMask(std::string_view name, std::string_view mask) {
    std::size_t n = 0;
    std::size_t m = 0;
    // Where the last '*' was, and the name position it currently swallows up to.
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && mask[m] == '?') {
            n = nextCharacter(name, n);
            ++m;
        } else if (m < mask.size() && lowerAscii(mask[m]) == lowerAscii(name[n])) {
            ++n;
            ++m;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            starName = nextCharacter(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

} // namespace zorvik::archiver
