#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// One collision box of a frame: two corners relative to the ground point.
struct ClsnBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const ClsnBox&) const = default;
};

// One frame line of an action: group, number, x, y, time[, flip[, blend]].
struct AirFrame {
    std::int16_t group = 0;
    std::int16_t number = 0;
    int x = 0;
    int y = 0;
    int time = 0;             // ticks at 60 a second; -1 holds the frame
    std::string flip;         // "", "H", "V" or "HV" ("VH" is read as "HV")
    std::string blend;        // trimmed and upper-cased; "" when absent
    bool loopStart = false;   // the frame right after a Loopstart line
    std::vector<ClsnBox> clsn1; // attack boxes, the frame's own or the default
    std::vector<ClsnBox> clsn2; // hurt boxes, the frame's own or the default

    bool flipsHorizontally() const { return flip.find('H') != std::string::npos; }
    bool flipsVertically() const { return flip.find('V') != std::string::npos; }
    bool holds() const { return time < 0; }
};

// One [Begin Action N] section and its frames in file order.
struct AirAction {
    int number = 0;
    std::size_t headerLine = 0; // 1-based
    std::vector<AirFrame> frames;

    // The frame the animation returns to after its last: the one after
    // Loopstart, else the first.
    std::size_t loopStartIndex() const;
};

// A whole .air file: its actions in file order, and the lines that could
// not be read.
struct AirDocument {
    std::vector<AirAction> actions;
    std::vector<std::size_t> malformedLines; // 1-based, in file order

    // The first action with that number; nullptr when there is none.
    const AirAction* action(int number) const;
};

// Reads the text of an .air file: CR LF or LF, ';' comments (in any
// encoding, Shift-JIS included), headers and keywords in any letter case.
// With onlyAction, only the first action of that number is read: the
// lines of the others are passed over unread and uncounted.
AirDocument parseAir(std::string_view text, std::optional<int> onlyAction = std::nullopt);

// Files larger than this are not animation files and are refused unread.
inline constexpr std::uint64_t kMostAirBytes = 16u * 1024 * 1024;

// Reads and parses the .air file at path (onlyAction as for parseAir);
// none when it cannot be read or is larger than kMostAirBytes.
std::optional<AirDocument> readAirFile(const std::string& path,
                                       std::optional<int> onlyAction = std::nullopt);

} // namespace zorvik
