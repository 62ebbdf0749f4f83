#pragma once

#include <string>
#include <vector>

#include "core/platform/user_messages.h"

namespace zorvik {

// Keeps the messages of work done on another thread, so that they reach
// the user later, in the order the work would have shown them. Only
// messages are kept: a question cannot wait for its answer, so it is
// passed on at once.
class DeferredMessages : public UserMessages {
public:
    explicit DeferredMessages(UserMessages& questions) : questions_(questions) {}

    void show(const std::string& text) override { kept_.push_back(text); }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        return questions_.askYesNo(text, caption);
    }

    // Hands the kept messages over and forgets them.
    std::vector<std::string> take() { return std::move(kept_); }

private:
    UserMessages& questions_;
    std::vector<std::string> kept_;
};

// Shows texts one after another.
void showAll(UserMessages& messages, const std::vector<std::string>& texts);

} // namespace zorvik
