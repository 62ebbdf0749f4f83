#pragma once

#include <string>

#include "core/text/message.h"

namespace zorvik {

// How the core speaks to the user: the program shows message boxes,
// the command-line companion prints, tests record. Messages are values:
// whoever shows them words them in the user's language.
class UserMessages {
public:
    virtual ~UserMessages();

    // Shows a message and returns when the user has acknowledged it.
    virtual void show(const Message& message) = 0;

    // Asks a Yes/No question; true for Yes.
    virtual bool askYesNo(const Message& question, const Message& caption) = 0;

    // A text of the window's own, already in the language shown.
    void show(const std::string& text) { show(Message::verbatim(text)); }
    bool askYesNo(const std::string& question, const std::string& caption) {
        return askYesNo(Message::verbatim(question), Message::verbatim(caption));
    }
};

// The answers to whether changes not yet written are saved.
enum class SaveChoice { Save, Discard, Cancel };

// The messages of a program where the user edits records: besides the
// above, it asks before changes not yet written would be lost.
class EditorMessages : public UserMessages {
public:
    // Asks with the choices Save, Discard and Cancel.
    virtual SaveChoice askToSave(const Message& question) = 0;
};

} // namespace zorvik
