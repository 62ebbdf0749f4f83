#include "support/recording_messages.h"

namespace zorvik::test {

void RecordingMessages::show(const Message& message) {
    std::lock_guard lock(mutex_);
    shown_.push_back(message);
}

bool RecordingMessages::askYesNo(const Message& question, const Message& caption) {
    std::lock_guard lock(mutex_);
    asked_.push_back({japaneseText(question), japaneseText(caption)});
    if (answers_.empty()) {
        return false;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingMessages::queueAnswer(bool yes) {
    std::lock_guard lock(mutex_);
    answers_.push_back(yes);
}

std::vector<std::string> RecordingMessages::shown() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> texts;
    for (const Message& message : shown_) {
        texts.push_back(japaneseText(message));
    }
    return texts;
}

std::vector<Message> RecordingMessages::shownMessages() const {
    std::lock_guard lock(mutex_);
    return shown_;
}

std::vector<RecordingMessages::Question> RecordingMessages::asked() const {
    std::lock_guard lock(mutex_);
    return asked_;
}

} // namespace zorvik::test
