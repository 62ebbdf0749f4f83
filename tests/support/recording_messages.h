#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "core/platform/user_messages.h"

namespace zorvik::test {

// Records every message and answers questions from queues (No when empty;
// Discard for the save question, as though it had not been asked).
// The texts recorded are the messages' Japanese, as the program words them.
class RecordingMessages : public EditorMessages {
public:
    struct Question {
        std::string text;
        std::string caption;
    };

    using UserMessages::askYesNo;
    using UserMessages::show;
    void show(const Message& message) override;
    bool askYesNo(const Message& question, const Message& caption) override;
    SaveChoice askToSave(const Message& question) override;

    void queueAnswer(bool yes);
    void queueSaveChoice(SaveChoice choice);
    std::vector<std::string> shown() const;
    std::vector<Message> shownMessages() const;
    std::vector<Question> asked() const;
    std::vector<std::string> saveQuestions() const;

private:
    mutable std::mutex mutex_;
    std::vector<Message> shown_;
    std::vector<Question> asked_;
    std::deque<bool> answers_;
    std::vector<std::string> saveQuestions_;
    std::deque<SaveChoice> saveChoices_;
};

} // namespace zorvik::test
