#include "cli/cli_language.h"

#include "cli/english_texts.h"
#include "cli/table_language.h"
#include "core/platform/folders.h"
#include "core/platform/program_folders.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_files.h"

namespace zorvik::cli {

namespace {

const TextLanguage& japanese() {
    static const SourceLanguage language;
    return language;
}

const TextLanguage& english() {
    static const TableLanguage language(englishTexts());
    return language;
}

const TextLanguage* chosen = nullptr;

std::optional<Language> languageFromOption(const std::string& value) {
    if (value == "ja") {
        return Language::Japanese;
    }
    if (value == "en") {
        return Language::English;
    }
    return std::nullopt;
}

} // namespace

bool takeLanguageOption(std::vector<std::string>& words, std::optional<Language>& language,
                        std::string& error) {
    constexpr std::string_view kOption = "--lang";
    for (std::size_t i = 0; i < words.size();) {
        const std::string& word = words[i];
        const bool joined = word.starts_with("--lang=");
        if (word != kOption && !joined) {
            ++i;
            continue;
        }
        const bool hasValue = joined || i + 1 < words.size();
        const std::string value = joined     ? word.substr(kOption.size() + 1)
                                  : hasValue ? words[i + 1]
                                             : "";
        language = languageFromOption(value);
        if (!language) {
            error = "--lang takes ja or en";
            return false;
        }
        words.erase(words.begin() + static_cast<long>(i),
                    words.begin() + static_cast<long>(i + (joined ? 1 : 2)));
    }
    return true;
}

Language settingsLanguage() {
    // Looked up, not made: the language is chosen before every command,
    // --help too, which must not make an installed build's folders.
    const auto folders = platform::programFolders(platform::currentFolder());
    if (!folders) {
        return resolvedLanguage(Language::Automatic, processEnvironment());
    }
    const SettingsFiles files({folders->settings, folders->catalogue, folders->paths});
    return resolvedLanguage(files.load().DisplayLanguage, processEnvironment());
}

void useLanguage(Language language) {
    chosen = language == Language::English ? &english() : &japanese();
}

const TextLanguage& shownLanguage() {
    return chosen ? *chosen : japanese();
}

std::string cliText(const char* source) {
    return shownLanguage().text("zorvik::cli", source);
}

} // namespace zorvik::cli
