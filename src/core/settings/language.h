#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zorvik {

// The language of the window and the companion. Japanese is the language the
// texts are written in; English is the one translation.
enum class Language { Automatic, Japanese, English };

// Settings.ini's Language key: "auto", "ja" or "en".
std::string_view languageKey(Language language);
// The key's value as a language; a missing, empty or unknown value is Automatic.
Language languageFromKey(std::string_view key);

// Looks an environment variable up; an unset variable reads as empty.
using EnvironmentLookup = std::function<std::string(const char* name)>;

// The process's own environment.
EnvironmentLookup processEnvironment();

// The language the system's locale asks for, read as gettext reads it:
// the locale is the first non-empty of LC_ALL, LC_MESSAGES and LANG (the C
// locale when none is set). A Japanese locale ("ja", "ja_JP.UTF-8", ...) and
// the C and POSIX locales ("C", "POSIX", "C.UTF-8") give Japanese, the texts'
// own language; any other gives English. LANGUAGE, a list of languages
// separated by colons, comes first, but only outside the C locale; see the
// definition for why.
Language languageFromLocale(const EnvironmentLookup& environment);

// The language to show: the setting itself, or for Automatic the locale's.
Language resolvedLanguage(Language setting, const EnvironmentLookup& environment);

} // namespace zorvik
