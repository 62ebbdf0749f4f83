#pragma once

#include "core/platform/user_messages.h"

namespace zorvik::gui {

// The program's UserMessages: modal message boxes over the active window.
// Any thread may call it; a call from another thread is carried out on the
// UI thread and returns when the user has answered.
class MessageBoxes : public UserMessages {
public:
    void show(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
};

} // namespace zorvik::gui
