#pragma once

#include "core/platform/user_messages.h"

namespace zorvik::gui {

// The program's UserMessages: modal message boxes over the active window.
// Any thread may call it; a call from another thread is carried out on the
// UI thread and returns when the user has answered.
class MessageBoxes : public UserMessages {
public:
    using UserMessages::askYesNo;
    using UserMessages::show;
    void show(const Message& message) override;
    bool askYesNo(const Message& question, const Message& caption) override;
};

} // namespace zorvik::gui
