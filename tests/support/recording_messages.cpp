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

SaveChoice RecordingMessages::askToSave(const Message& question) {
    std::lock_guard lock(mutex_);
    saveQuestions_.push_back(japaneseText(question));
    if (saveChoices_.empty()) {
        return SaveChoice::Discard;
    }
    const SaveChoice choice = saveChoices_.front();
    saveChoices_.pop_front();
    return choice;
}

void RecordingMessages::queueSaveChoice(SaveChoice choice) {
    std::lock_guard lock(mutex_);
    saveChoices_.push_back(choice);
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

std::vector<std::string> RecordingMessages::saveQuestions() const {
    std::lock_guard lock(mutex_);
    return saveQuestions_;
}

} // namespace zorvik::test
