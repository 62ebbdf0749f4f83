#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "core/platform/user_messages.h"

namespace zorvik::test {

// Records every message and answers questions from a queue (No when empty).
// The texts recorded are the messages' Japanese, as the program words them.
class RecordingMessages : public UserMessages {
public:
    struct Question {
        std::string text;
        std::string caption;
    };

    using UserMessages::askYesNo;
    using UserMessages::show;
    void show(const Message& message) override;
    bool askYesNo(const Message& question, const Message& caption) override;

    void queueAnswer(bool yes);
    std::vector<std::string> shown() const;
    std::vector<Message> shownMessages() const;
    std::vector<Question> asked() const;

private:
    mutable std::mutex mutex_;
    std::vector<Message> shown_;
    std::vector<Question> asked_;
    std::deque<bool> answers_;
};

} // namespace zorvik::test
