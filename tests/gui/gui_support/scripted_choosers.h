#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <QString>

#include "gui/platform/choosers.h"

namespace zorvik::test {

// Answers the choosers from a queue (a path, or none for cancel; an empty
// queue cancels) and records every call.
class ScriptedChoosers : public gui::Choosers {
public:
    enum class Kind { Folder, FileToOpen, FileToSave };
    struct Call {
        Kind kind;
        QString title;
        QString start;
        QString filter;
    };

    void answer(const QString& path) { answers_.push_back(path); }
    void cancelNext() { answers_.push_back(std::nullopt); }
    const std::vector<Call>& calls() const { return calls_; }

    std::optional<QString> chooseFolder(QWidget*, const QString& title,
                                        const QString& startFolder) override {
        return next({Kind::Folder, title, startFolder, {}});
    }
    std::optional<QString> chooseFileToOpen(QWidget*, const QString& title,
                                            const QString& startPath,
                                            const QString& filter) override {
        return next({Kind::FileToOpen, title, startPath, filter});
    }
    std::optional<QString> chooseFileToSave(QWidget*, const QString& title,
                                            const QString& startPath,
                                            const QString& filter) override {
        return next({Kind::FileToSave, title, startPath, filter});
    }

private:
    std::optional<QString> next(Call call) {
        calls_.push_back(std::move(call));
        if (answers_.empty()) {
            return std::nullopt;
        }
        const std::optional<QString> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::deque<std::optional<QString>> answers_;
    std::vector<Call> calls_;
};

} // namespace zorvik::test
