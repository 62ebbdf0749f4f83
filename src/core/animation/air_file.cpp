#include "core/animation/air_file.h"

#include <algorithm>
#include <array>
#include <memory>

#include "core/animation/air_line.h"
#include "core/platform/random_access_file.h"

namespace zorvik {

namespace {

// The collision boxes read so far in one action: the defaults, and the
// boxes of the next frame alone. Box lines after a frame still add to the
// defaults they follow, so each frame keeps how many defaults it saw.
class ClsnState {
public:
    enum class Added { Yes, NoList, PastBound };

    void start(const air::ClsnHeader& header) {
        const std::size_t kind = header.kind - 1;
        if (header.isDefault) {
            // A new list: the frames read so far keep the one they saw.
            defaults_[kind] = std::make_shared<std::vector<ClsnBox>>();
            target_[kind] = defaults_[kind].get();
        } else {
            own_[kind].clear();
            hasOwn_[kind] = true;
            target_[kind] = &own_[kind];
        }
    }

    Added add(const air::ClsnBoxLine& line) {
        std::vector<ClsnBox>* list = target_[line.kind - 1];
        if (list == nullptr) {
            return Added::NoList;
        }
        if (list->size() == kMostClsnBoxes) {
            return Added::PastBound;
        }
        list->push_back(line.box);
        return Added::Yes;
    }

    // A frame takes its own boxes, else the defaults; its own are then used up.
    void giveTo(AirFrame& frame) {
        frame.clsn1 = take(0);
        frame.clsn2 = take(1);
    }

private:
    ClsnBoxes take(std::size_t kind) {
        if (!hasOwn_[kind]) {
            const auto& list = defaults_[kind];
            return list ? ClsnBoxes(list, list->size()) : ClsnBoxes();
        }
        auto own = std::make_shared<const std::vector<ClsnBox>>(std::move(own_[kind]));
        own_[kind].clear();
        hasOwn_[kind] = false;
        target_[kind] = nullptr;
        return ClsnBoxes(own, own->size());
    }

    std::array<std::shared_ptr<std::vector<ClsnBox>>, 2> defaults_;
    std::array<std::vector<ClsnBox>, 2> own_;
    std::array<bool, 2> hasOwn_{};
    // Which list a box line of each kind adds to: none before its header.
    std::array<std::vector<ClsnBox>*, 2> target_{};
};

class AirParser {
public:
    explicit AirParser(std::optional<int> onlyAction)
        : onlyAction_(onlyAction), skipping_(onlyAction.has_value()) {}

    AirDocument run(std::string_view text) {
        std::size_t lineNumber = 0;
        std::size_t start = 0;
        // A UTF-8 byte order mark is no part of the first line.
        if (text.starts_with("\xEF\xBB\xBF")) {
            start = 3;
        }
        while (start <= text.size() && !done_) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string_view line = text.substr(start, end - start);
            ++lineNumber;
            if (!skipping_ || isHeader(line)) {
                readLine(line, lineNumber);
            }
            start = end + 1;
        }
        return std::move(document_);
    }

private:
    void readLine(std::string_view raw, std::size_t lineNumber) {
        const std::string_view line = air::withoutComment(raw);
        if (line.empty()) {
            return;
        }
        if (line.front() == '[') {
            readHeader(line, lineNumber);
        } else if (inAction() && current_->tooLarge) {
            return; // past the bounds nothing more of the action is read
        } else if (!inAction() || !readActionLine(line)) {
            document_.malformedLines.push_back(lineNumber);
        }
    }

    // A line of an action that is not wanted needs no more than this look.
    static bool isHeader(std::string_view line) {
        const std::size_t first = line.find_first_not_of(" \t");
        return first != std::string_view::npos && line[first] == '[';
    }

    void readHeader(std::string_view line, std::size_t lineNumber) {
        const auto number = air::beginActionNumber(line);
        if (onlyAction_) {
            // The wanted action ends at the next header; the others are passed over.
            done_ = current_ != nullptr;
            skipping_ = number != onlyAction_;
            if (done_ || skipping_) {
                current_ = nullptr;
                return;
            }
        }
        // Another section ends the action; its lines belong to nothing.
        if (!number) {
            current_ = nullptr;
            document_.malformedLines.push_back(lineNumber);
            return;
        }
        document_.actions.push_back(AirAction{*number, lineNumber, {}, false});
        current_ = &document_.actions.back();
        clsn_ = ClsnState{};
        loopStartPending_ = false;
    }

    bool readActionLine(std::string_view line) {
        if (air::isLoopStart(line)) {
            loopStartPending_ = true;
            return true;
        }
        if (const auto header = air::clsnHeader(line)) {
            clsn_.start(*header);
            return true;
        }
        if (const auto box = air::clsnBoxLine(line)) {
            const ClsnState::Added added = clsn_.add(*box);
            if (added == ClsnState::Added::PastBound) {
                markTooLarge();
            }
            return added != ClsnState::Added::NoList;
        }
        auto frame = air::frameLine(line);
        if (!frame) {
            return false;
        }
        if (current_->frames.size() == kMostActionFrames) {
            markTooLarge();
            return true;
        }
        frame->loopStart = loopStartPending_;
        loopStartPending_ = false;
        clsn_.giveTo(*frame);
        current_->frames.push_back(std::move(*frame));
        return true;
    }

    bool inAction() const { return current_ != nullptr; }

    void markTooLarge() {
        current_->tooLarge = true;
        // The one action wanted cannot be shown: the rest of the file is not needed.
        done_ = onlyAction_.has_value();
    }

    std::optional<int> onlyAction_;
    bool skipping_;
    bool done_ = false;
    AirDocument document_;
    AirAction* current_ = nullptr;
    ClsnState clsn_;
    bool loopStartPending_ = false;
};

} // namespace

std::size_t AirAction::loopStartIndex() const {
    // With more than one Loopstart, the last one counts.
    for (std::size_t i = frames.size(); i > 0; --i) {
        if (frames[i - 1].loopStart) {
            return i - 1;
        }
    }
    return 0;
}

const AirAction* AirDocument::action(int number) const {
    // The engine takes the first of two actions with one number.
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [number](const AirAction& a) { return a.number == number; });
    return found == actions.end() ? nullptr : &*found;
}

AirDocument parseAir(std::string_view text, std::optional<int> onlyAction) {
    AirParser parser(onlyAction);
    return parser.run(text);
}

std::optional<AirDocument> readAirFile(const std::string& path, std::optional<int> onlyAction) {
    platform::RandomAccessFile file;
    if (!file.Open(path) || file.size() > kMostAirBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(file.size()), '\0');
    const std::span<std::uint8_t> into(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
    if (!file.Read(0, into)) {
        return std::nullopt;
    }
    return parseAir(bytes, onlyAction);
}

} // namespace zorvik
