#pragma once

#include <QCoreApplication>

#include "core/platform/user_messages.h"

namespace zorvik::gui {

// The program's messages: modal message boxes over the active window.
// Any thread may call it; a call from another thread is carried out on the
// UI thread and returns when the user has answered.
class MessageBoxes : public EditorMessages {
    Q_DECLARE_TR_FUNCTIONS(MessageBoxes)
public:
    using UserMessages::askYesNo;
    using UserMessages::show;
    void show(const Message& message) override;
    bool askYesNo(const Message& question, const Message& caption) override;
    // 保存, 破棄 and キャンセル; Escape or closing the box cancels, a box
    // dismissed by the program (a termination signal) discards.
    SaveChoice askToSave(const Message& question) override;
};

} // namespace zorvik::gui
