#pragma once

#include <cstdio>
#include <string>

#include "core/check/check_observer.h"
#include "core/discovery/list_update_observer.h"
#include "core/platform/user_messages.h"

namespace zorvik::cli {

// Shows a list update or a collection check on a terminal: a progress bar
// on standard error when it is a terminal, the status texts as lines otherwise.
class TerminalObserver : public ListUpdateObserver, public CheckObserver {
public:
    explicit TerminalObserver(std::FILE* out);

    void setStatusText(const std::string& text) override;
    void setLabel(const std::string& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void closeDialog() override;
    void reloadList() override {}
    void startBlink() override {}

    // Ends the bar's line so that other output starts on a fresh one.
    void breakLine();

private:
    void draw();

    std::FILE* out_;
    bool terminal_;
    bool barShown_ = false;
    int maximum_ = 0;
    int position_ = 0;
    std::string label_;
};

// Messages on standard error; questions are answered No, since nobody may
// be there to answer them.
class StderrMessages : public UserMessages {
public:
    explicit StderrMessages(TerminalObserver& observer) : observer_(observer) {}
    void show(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;

private:
    TerminalObserver& observer_;
};

} // namespace zorvik::cli
