#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
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

// A frame's collision boxes of one kind: its own, or the action's defaults
// as far as they were read when the frame was. Frames share one list of
// defaults however many they are, so memory follows the file's lines, not
// boxes times frames.
class ClsnBoxes {
public:
    ClsnBoxes() = default;
    // The first count boxes of list, which may grow afterwards.
    ClsnBoxes(std::shared_ptr<const std::vector<ClsnBox>> list, std::size_t count)
        : list_(std::move(list)), count_(count) {}

    std::span<const ClsnBox> boxes() const {
        return list_ ? std::span<const ClsnBox>(list_->data(), count_) : std::span<const ClsnBox>();
    }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool operator==(const std::vector<ClsnBox>& other) const {
        const auto own = boxes();
        return std::equal(own.begin(), own.end(), other.begin(), other.end());
    }

private:
    std::shared_ptr<const std::vector<ClsnBox>> list_;
    std::size_t count_ = 0;
};

// What one action may hold: no engine action comes near, and a file that
// asks for more is refused rather than read into memory.
inline constexpr std::size_t kMostActionFrames = 2048;
inline constexpr std::size_t kMostClsnBoxes = 1024; // in one list, own or default

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
    ClsnBoxes clsn1; // attack boxes, the frame's own or the defaults
    ClsnBoxes clsn2; // hurt boxes, the frame's own or the defaults

    bool flipsHorizontally() const { return flip.find('H') != std::string::npos; }
    bool flipsVertically() const { return flip.find('V') != std::string::npos; }
    bool holds() const { return time < 0; }
};

// One [Begin Action N] section and its frames in file order.
struct AirAction {
    int number = 0;
    std::size_t headerLine = 0; // 1-based
    std::vector<AirFrame> frames;
    // More than kMostActionFrames frames or kMostClsnBoxes boxes in one list:
    // the lines past the bound were not read, and the action is not shown.
    bool tooLarge = false;

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
// lines of the others are passed over unread and uncounted. An action
// past the bounds above is marked tooLarge and its further lines skipped.
AirDocument parseAir(std::string_view text, std::optional<int> onlyAction = std::nullopt);

// Files larger than this are not animation files and are refused unread.
inline constexpr std::uint64_t kMostAirBytes = 16u * 1024 * 1024;

// Reads and parses the .air file at path (onlyAction as for parseAir);
// none when it cannot be read or is larger than kMostAirBytes.
std::optional<AirDocument> readAirFile(const std::string& path,
                                       std::optional<int> onlyAction = std::nullopt);

} // namespace zorvik
