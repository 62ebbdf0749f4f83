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

    using UserMessages::askYesNo;
    using UserMessages::show;
    void show(const Message& message) override { kept_.push_back(message); }
    bool askYesNo(const Message& question, const Message& caption) override {
        return questions_.askYesNo(question, caption);
    }

    // Hands the kept messages over and forgets them.
    std::vector<Message> take() { return std::move(kept_); }

private:
    UserMessages& questions_;
    std::vector<Message> kept_;
};

// Shows messages one after another.
void showAll(UserMessages& messages, const std::vector<Message>& kept);

} // namespace zorvik
