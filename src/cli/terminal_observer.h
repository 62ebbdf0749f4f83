#pragma once

#include <cstdio>
#include <string>

#include "core/discovery/list_update_observer.h"

namespace zorvik::cli {

// Shows a long job on a terminal: a progress bar on standard error when
// it is a terminal, the status texts as lines otherwise (on a terminal the
// bar says how far the job is, and the command prints its own result).
// Messages go to standard error; questions are answered No, since nobody
// may be there to answer them.
class TerminalObserver : public ListUpdateObserver {
public:
    explicit TerminalObserver(std::FILE* out);

    void setStatusText(const Message& status) override;
    void setLabel(const Message& label) override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void done() override;
    void reloadList() override {}
    void startBlink() override {}
    void show(const Message& message) override;
    bool askYesNo(const Message& question, const Message& caption) override;

private:
    // Ends the bar's line so that other output starts on a fresh one.
    void breakLine();
    void draw();

    std::FILE* out_;
    bool terminal_;
    bool barShown_ = false;
    int maximum_ = 0;
    int position_ = 0;
    std::string label_;
};

} // namespace zorvik::cli
