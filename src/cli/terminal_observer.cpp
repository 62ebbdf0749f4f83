#include "cli/terminal_observer.h"

#include "cli/companion_text.h"
#include "cli/data_output.h"
#include "core/platform/terminal.h"
#include "core/text/encoding.h"

namespace zorvik::cli {

namespace {

constexpr int kBarWidth = 30;
constexpr std::size_t kLabelBytes = 40;

} // namespace

TerminalObserver::TerminalObserver(std::FILE* out)
    : out_(out), terminal_(platform::isTerminal(out)) {}

void TerminalObserver::setStatusText(const Message& status) {
    if (terminal_) {
        return;
    }
    DataOutput(out_, false).write(companionText(status) + "\n");
}

void TerminalObserver::setLabel(const Message& label) {
    // The bar's one line; a name in the label is shown safely there.
    label_ = DataOutput(out_, terminal_).field(companionText(label));
    draw();
}

void TerminalObserver::setProgressMaximum(int maximum) {
    maximum_ = maximum;
    draw();
}

void TerminalObserver::setProgressPosition(int position) {
    position_ = position;
    draw();
}

void TerminalObserver::done() {
    position_ = maximum_;
    draw();
    breakLine();
}

void TerminalObserver::breakLine() {
    if (barShown_) {
        std::fputc('\n', out_);
        barShown_ = false;
    }
}

void TerminalObserver::draw() {
    if (!terminal_ || maximum_ <= 0) {
        return;
    }
    const int filled = static_cast<int>(static_cast<long long>(position_) * kBarWidth / maximum_);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '.');
    // \033[K clears what a longer label left on the line.
    std::fprintf(out_, "\r[%s] %d/%d %s\033[K", bar.c_str(), position_, maximum_,
                 text::cutToBytes(label_, kLabelBytes).c_str());
    std::fflush(out_);
    barShown_ = true;
}

void TerminalObserver::show(const Message& message) {
    breakLine();
    const DataOutput err(stderr);
    err.write("zorvik-cli: " + err.message(companionText(message)) + "\n");
}

bool TerminalObserver::askYesNo(const Message& question, const Message& asked) {
    const std::string caption = companionText(asked);
    breakLine();
    const DataOutput err(stderr);
    err.write("zorvik-cli: " + err.message(caption + (caption.empty() ? "" : ": ") +
                                           companionText(question)) +
              " (answered No)\n");
    return false;
}

} // namespace zorvik::cli
