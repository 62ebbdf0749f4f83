#pragma once

#include <string>

namespace zorvik {

// How the core speaks to the user: the program shows message boxes,
// the command-line companion prints, tests record.
class UserMessages {
public:
    virtual ~UserMessages();

    // Shows a message and returns when the user has acknowledged it.
    virtual void show(const std::string& text) = 0;

    // Asks a Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
};

} // namespace zorvik
