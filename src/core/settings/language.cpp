#include "core/settings/language.h"

#include <array>
#include <cstdlib>
#include <optional>

namespace zorvik {

namespace {

constexpr std::array<std::string_view, 3> kKeys{"auto", "ja", "en"};

// The language part of a locale name: language[_territory][.codeset][@modifier].
std::string_view languagePart(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

bool isCLocale(std::string_view locale) {
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

Language localeLanguage(std::string_view locale) {
    if (isCLocale(locale) || languagePart(locale) == "ja") {
        return Language::Japanese;
    }
    return Language::English;
}

// The first entry of LANGUAGE that names one of our two languages. Other
// entries are passed over, as gettext passes over a language it has no
// translation for; when none is ours, the locale decides.
std::optional<Language> languageListChoice(std::string_view list) {
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view language = languagePart(list.substr(0, colon));
        if (language == "ja") {
            return Language::Japanese;
        }
        if (language == "en") {
            return Language::English;
        }
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return std::nullopt;
}

std::string messagesLocale(const EnvironmentLookup& environment) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        std::string value = environment(name);
        if (!value.empty()) {
            return value;
        }
    }
    return "C";
}

} // namespace

std::string_view languageKey(Language language) {
    return kKeys[static_cast<std::size_t>(language)];
}

Language languageFromKey(std::string_view key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (key == kKeys[i]) {
            return static_cast<Language>(i);
        }
    }
    return Language::Automatic;
}

EnvironmentLookup processEnvironment() {
    return [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value == nullptr ? "" : value);
    };
}

Language languageFromLocale(const EnvironmentLookup& environment) {
    const std::string locale = messagesLocale(environment);
    // gettext ignores LANGUAGE in the C locale: LC_ALL=C is how a user or a
    // script asks for the untranslated texts, and a LANGUAGE left over from
    // the desktop session must not undo that. Our untranslated texts are the
    // Japanese ones, so the C locale gives Japanese whatever LANGUAGE says.
    if (!isCLocale(locale)) {
        if (const std::optional<Language> listed = languageListChoice(environment("LANGUAGE"))) {
            return *listed;
        }
    }
    return localeLanguage(locale);
}

Language resolvedLanguage(Language setting, const EnvironmentLookup& environment) {
    return setting == Language::Automatic ? languageFromLocale(environment) : setting;
}

} // namespace zorvik
