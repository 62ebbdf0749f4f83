#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "core/platform/user_messages.h"

namespace zorvik::test {

// Records every message and answers questions from a queue (No when empty).
class RecordingMessages : public UserMessages {
public:
    struct Question {
        std::string text;
        std::string caption;
    };

    void show(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;

    void queueAnswer(bool yes);
    std::vector<std::string> shown() const;
    std::vector<Question> asked() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> shown_;
    std::vector<Question> asked_;
    std::deque<bool> answers_;
};

} // namespace zorvik::test
