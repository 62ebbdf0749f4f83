#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a program text for the translation tools (lupdate reads it as
// QT_TRANSLATE_NOOP): in the program it stays the Japanese text, and
// translations/zorvik_en.ts gives its English under the same context.
#define ZORVIK_TEXT(context, text) text

namespace zorvik {

// Gives a program text, known by its context and its Japanese source, in
// the language being shown. The window asks Qt's translator; the
// command-line companion asks the English table built from the .ts.
class TextLanguage {
public:
    virtual ~TextLanguage();

    virtual std::string text(const char* context, const char* source) const = 0;
};

// Japanese, the texts' own language: every text as written.
class SourceLanguage final : public TextLanguage {
public:
    std::string text(const char* context, const char* source) const override;
};

// The pattern with %1 to %9 replaced by the arguments, in one pass: an
// argument that itself holds "%2" (a file name may) stays as it is. A
// number with no argument, and any other '%', stay too.
std::string withArguments(std::string_view pattern, const std::vector<std::string>& arguments);

// What a user-facing message of the core says, as a value: the window and
// the companion turn it into text in the chosen language.
enum class MessageKind {
    // Text already in the user's language, or a text that is never
    // translated (an error of the catalogue as SQLite words it).
    Verbatim,
};

struct Message {
    MessageKind kind = MessageKind::Verbatim;
    std::vector<std::string> arguments;

    static Message verbatim(std::string text);

    friend bool operator==(const Message&, const Message&) = default;
};

// The message's Japanese pattern, with %1... for its arguments (context
// "zorvik::Message").
const char* messagePattern(MessageKind kind);

std::string messageText(const Message& message, const TextLanguage& language);

// The message as the program has always worded it.
std::string japaneseText(const Message& message);

} // namespace zorvik
