#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/settings/language.h"
#include "core/text/message.h"

namespace zorvik::cli {

// Takes the global option --lang ja|en (also --lang=ja) out of the command
// line, wherever it stands, so that every command accepts it. False with a
// message for a value other than ja or en, or none.
bool takeLanguageOption(std::vector<std::string>& words, std::optional<Language>& language,
                        std::string& error);

// The language Settings.ini's Language key asks for, the locale's for auto
// (or when the program's settings folder cannot be found).
Language settingsLanguage();

// Chooses the language of everything the companion prints from now on;
// Japanese until this is called.
void useLanguage(Language language);

// The chosen language, for the core's messages (messageText).
const TextLanguage& shownLanguage();

// A text of the companion, marked ZORVIK_TEXT("zorvik::cli", ...), in the
// chosen language.
std::string cliText(const char* source);

} // namespace zorvik::cli
