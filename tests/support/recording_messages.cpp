#include "support/recording_messages.h"

namespace zorvik::test {

void RecordingMessages::show(const std::string& text) {
    std::lock_guard lock(mutex_);
    shown_.push_back(text);
}

bool RecordingMessages::askYesNo(const std::string& text, const std::string& caption) {
    std::lock_guard lock(mutex_);
    asked_.push_back({text, caption});
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
    return shown_;
}

std::vector<RecordingMessages::Question> RecordingMessages::asked() const {
    std::lock_guard lock(mutex_);
    return asked_;
}

} // namespace zorvik::test
