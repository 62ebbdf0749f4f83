#include "core/settings/language.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

Language fromLocale(const std::map<std::string, std::string>& variables) {
    return languageFromLocale([&variables](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    });
}

TEST(LanguageRule, EachLocaleVariableAloneDecides) {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        SCOPED_TRACE(variable);
        for (const char* japanese :
             {"ja", "ja_JP", "ja_JP.UTF-8", "ja_JP.utf8", "ja_JP.eucJP", "ja_JP.SJIS",
              "ja@modifier", "C", "POSIX", "C.UTF-8", "C.utf8"}) {
            EXPECT_EQ(fromLocale({{variable, japanese}}), Language::Japanese) << japanese;
        }
        for (const char* english : {"en_US.UTF-8", "en", "de_DE.UTF-8", "fr_FR@euro", "jav_ID",
                                    "Ja_JP.UTF-8", "zh_CN.GB18030"}) {
            EXPECT_EQ(fromLocale({{variable, english}}), Language::English) << english;
        }
    }
}

TEST(LanguageRule, NothingSetIsTheCLocale) {
    EXPECT_EQ(fromLocale({}), Language::Japanese);
    EXPECT_EQ(fromLocale({{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", ""}}), Language::Japanese);
}

TEST(LanguageRule, TheFirstNonEmptyVariableWinsInPosixOrder) {
    EXPECT_EQ(fromLocale({{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}),
              Language::English);
    EXPECT_EQ(fromLocale({{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}), Language::Japanese);
    EXPECT_EQ(fromLocale({{"LC_ALL", ""}, {"LC_MESSAGES", "en_GB"}, {"LANG", "ja_JP.UTF-8"}}),
              Language::English);
    EXPECT_EQ(fromLocale({{"LC_MESSAGES", ""}, {"LANG", "ja_JP.UTF-8"}}), Language::Japanese);
}

TEST(LanguageRule, LanguageListComesFirstOutsideTheCLocale) {
    EXPECT_EQ(fromLocale({{"LANGUAGE", "en"}, {"LANG", "ja_JP.UTF-8"}}), Language::English);
    EXPECT_EQ(fromLocale({{"LANGUAGE", "ja"}, {"LANG", "en_US.UTF-8"}}), Language::Japanese);
    EXPECT_EQ(fromLocale({{"LANGUAGE", "fr:ja_JP:en"}, {"LANG", "de_DE.UTF-8"}}),
              Language::Japanese);
    EXPECT_EQ(fromLocale({{"LANGUAGE", "::en_GB"}, {"LANG", "ja_JP.UTF-8"}}), Language::English);
    // No language of ours in the list: the locale decides.
    EXPECT_EQ(fromLocale({{"LANGUAGE", "fr:de"}, {"LANG", "ja_JP.UTF-8"}}), Language::Japanese);
    EXPECT_EQ(fromLocale({{"LANGUAGE", "fr:de"}, {"LANG", "it_IT.UTF-8"}}), Language::English);
}

TEST(LanguageRule, LanguageListIsIgnoredInTheCLocale) {
    EXPECT_EQ(fromLocale({{"LANGUAGE", "en"}}), Language::Japanese);
    EXPECT_EQ(fromLocale({{"LANGUAGE", "en"}, {"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}),
              Language::Japanese);
    EXPECT_EQ(fromLocale({{"LANGUAGE", "en_US"}, {"LANG", "C.UTF-8"}}), Language::Japanese);
    EXPECT_EQ(fromLocale({{"LANGUAGE", "en"}, {"LC_MESSAGES", "POSIX"}}), Language::Japanese);
}

TEST(LanguageRule, AChosenLanguageIgnoresTheLocale) {
    const EnvironmentLookup english = [](const char*) { return std::string("en_US.UTF-8"); };
    EXPECT_EQ(resolvedLanguage(Language::Japanese, english), Language::Japanese);
    EXPECT_EQ(resolvedLanguage(Language::English, [](const char*) { return std::string(); }),
              Language::English);
    EXPECT_EQ(resolvedLanguage(Language::Automatic, english), Language::English);
}

TEST(LanguageSetting, KeysReadBackAndUnknownValuesAreAutomatic) {
    for (Language language : {Language::Automatic, Language::Japanese, Language::English}) {
        EXPECT_EQ(languageFromKey(languageKey(language)), language);
    }
    for (const char* unknown : {"", "EN", "english", "ja_JP", " en", "jp"}) {
        EXPECT_EQ(languageFromKey(unknown), Language::Automatic) << unknown;
    }
}

class LanguageSettingFile : public ::testing::Test {
protected:
    Language readFrom(const std::string& text) {
        temp.write("Settings.ini", text);
        Kel_IniHandler store;
        store.SetFileName(temp.file("Settings.ini"), false);
        AppSettings settings;
        readGeneralSettings(store, settings);
        return settings.DisplayLanguage;
    }
    test::TempFolder temp;
};

TEST_F(LanguageSettingFile, ReadsTheGeneralSectionsKey) {
    EXPECT_EQ(readFrom("[General]\nMainDir=/c\n"), Language::Automatic);
    EXPECT_EQ(readFrom("[General]\nLanguage=ja\n"), Language::Japanese);
    EXPECT_EQ(readFrom("[General]\nLanguage=en\n"), Language::English);
    EXPECT_EQ(readFrom("[General]\nLanguage=auto\n"), Language::Automatic);
    EXPECT_EQ(readFrom("[General]\nLanguage=klingon\n"), Language::Automatic);
    EXPECT_EQ(readFrom("[General]\nLanguage=en_and_more_than_sixteen_bytes\n"),
              Language::Automatic);
    EXPECT_EQ(readFrom("[Other]\nLanguage=en\n"), Language::Automatic);
}

TEST_F(LanguageSettingFile, WritesItBesideTheOtherGeneralKeys) {
    Kel_IniHandler store;
    store.SetFileName(temp.file("Settings.ini"), false);
    AppSettings settings;
    for (Language language : {Language::English, Language::Automatic, Language::Japanese}) {
        settings.DisplayLanguage = language;
        writeGeneralSettings(store, settings);
        AppSettings read;
        readGeneralSettings(store, read);
        EXPECT_EQ(read.DisplayLanguage, language);
    }
    const std::string file = test::readFile(temp.file("Settings.ini"));
    const std::size_t general = file.find("[General]");
    EXPECT_NE(file.find("Language=ja\r\n", general), std::string::npos);
    EXPECT_NE(file.find("FirstRun=0\r\n", general), std::string::npos);
}

} // namespace
} // namespace zorvik
