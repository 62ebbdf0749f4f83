#include "core/launch/windows_command_line.h"

namespace zorvik::launch {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits the text one character (or backslash run) at a time.
class CommandLineSplitter {
public:
    explicit CommandLineSplitter(std::string_view text) : text_(text) {}

    std::vector<std::string> split() {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (!quoted_ && isBlank(c)) {
                endArgument();
                ++at_;
            } else if (c == '\\') {
                takeBackslashes();
            } else if (c == '"') {
                takeQuote();
            } else {
                append(std::string_view(&text_[at_], 1));
                ++at_;
            }
        }
        endArgument();
        return std::move(arguments_);
    }

private:
    void append(std::string_view text) {
        current_ += text;
        inArgument_ = true;
    }

    void endArgument() {
        if (inArgument_) {
            arguments_.push_back(std::move(current_));
            current_.clear();
            inArgument_ = false;
        }
    }

    void takeBackslashes() {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] == '\\') {
            ++at_;
        }
        const std::size_t count = at_ - start;
        if (at_ == text_.size() || text_[at_] != '"') {
            append(std::string(count, '\\'));
            return;
        }
        append(std::string(count / 2, '\\'));
        if (count % 2 == 1) {
            append("\"");
            ++at_;
        }
        // An even run leaves the quote to group words.
    }

    void takeQuote() {
        inArgument_ = true;
        if (quoted_ && at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
            append("\"");
            at_ += 2;
            return;
        }
        quoted_ = !quoted_;
        ++at_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool quoted_ = false;
    bool inArgument_ = false;
    std::string current_;
    std::vector<std::string> arguments_;
};

} // namespace

std::vector<std::string> splitWindowsCommandLine(std::string_view text) {
    return CommandLineSplitter(text).split();
}

} // namespace zorvik::launch
