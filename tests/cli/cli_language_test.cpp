// The companion's language: --lang, else Settings.ini's Language, else the
// locale; English output holds no Japanese but the collection's own data.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "support/character_fixture.h"

namespace zorvik::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* kJapaneseMenuItem = "ツール → ポートレートを取り込み直す";
constexpr const char* kEnglishMenuItem = "Tools → Recapture Portraits";

// A character of a Japanese script: kana, kanji, CJK or full-width punctuation.
bool isJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

// The Japanese characters of a UTF-8 text, each once, in order.
std::string japaneseIn(const std::string& text) {
    std::string found;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        const std::string character = text.substr(i, length);
        if (isJapanese(c) && found.find(character) == std::string::npos) {
            found += character;
        }
        i += length;
    }
    return found;
}

std::vector<std::string> withLanguage(std::vector<std::string> words, const char* language) {
    words.insert(words.end(), {"--lang", language});
    return words;
}

// The text without every appearance of data.
std::string without(std::string text, const std::string& data) {
    for (std::size_t at = text.find(data); at != std::string::npos; at = text.find(data, at)) {
        text.erase(at, data.size());
    }
    return text;
}

class CliLanguage : public ::testing::Test, public CliSandbox {
protected:
    void writeSettings(const std::string& language) {
        root.write("app/Settings.ini", "[General]\r\nTempDir=" + temporary + "/\r\nMainDir=" +
                                           characters + "\r\nLanguage=" + language + "\r\n");
    }
    void addCharacter(const std::string& folder, const std::string& name) {
        DefFields fields;
        fields.name = name;
        fields.displayName = name;
        root.write("chars/" + folder + "/" + folder + ".def", defText(fields));
        root.write("chars/" + folder + "/kfm.sff", portraitSff());
    }
    // The portraits help names the program's menu item in the language shown.
    std::string helpLanguage(const std::vector<std::string>& option) {
        std::vector<std::string> words{"portraits", "--help"};
        words.insert(words.end(), option.begin(), option.end());
        const std::string help = run(words).out;
        return help.find(kEnglishMenuItem) != std::string::npos    ? "en"
               : help.find(kJapaneseMenuItem) != std::string::npos ? "ja"
                                                                   : "none";
    }
};

TEST_F(CliLanguage, EnglishHelpOfTheCompanionAndEveryCommandHoldsNoJapanese) {
    const CliRun help = run({"--lang", "en", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("--lang ja|en"));
    for (const char* command :
         {"update", "list", "portrait", "portraits", "roster", "check", "frames"}) {
        const CliRun commandHelp = run({command, "--help", "--lang", "en"});
        EXPECT_EQ(commandHelp.exitCode, 0) << command;
        EXPECT_EQ(japaneseIn(commandHelp.out), "") << command;
    }
    EXPECT_THAT(run({"portraits", "--lang=en", "--help"}).out, HasSubstr(kEnglishMenuItem));
    // A usage error prints the help too.
    const CliRun refused = run({"--lang", "en", "portraits", "--all", "--search", "x"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(japaneseIn(refused.err), "");
}

TEST_F(CliLanguage, JapaneseIsTheOutputAsItWas) {
    const CliRun japanese = run({"portraits", "--help", "--lang", "ja"});
    EXPECT_THAT(japanese.out, HasSubstr("as the program's " + std::string(kJapaneseMenuItem) +
                                        " does for the rows its\n"));
    EXPECT_EQ(run({"portraits", "--help"}).out, japanese.out); // the C locale, no Language key
    EXPECT_EQ(run({"update", "--help", "--lang", "ja"}).out,
              run({"update", "--help", "--lang", "en"}).out); // written in English already
}

TEST_F(CliLanguage, ABadLanguageIsAUsageError) {
    for (const std::vector<std::string>& words : {std::vector<std::string>{"--lang", "fr", "list"},
                                                  {"list", "--lang"},
                                                  {"check", "--lang=EN"},
                                                  {"--lang=", "update"},
                                                  {"--lang", "en", "--lang", "jp"}}) {
        const CliRun refused = run(words);
        EXPECT_EQ(refused.exitCode, 2) << words[1];
        EXPECT_THAT(refused.err, HasSubstr("--lang takes ja or en")) << words[1];
        EXPECT_EQ(refused.out, "") << words[1];
    }
}

TEST_F(CliLanguage, WithoutLangTheLanguageFollowsSettingsIniThenTheLocale) {
    locale = "en_US.UTF-8";
    writeSettings("ja");
    EXPECT_EQ(helpLanguage({}), "ja");
    EXPECT_EQ(helpLanguage({"--lang", "en"}), "en"); // the option over the setting
    writeSettings("auto");
    EXPECT_EQ(helpLanguage({}), "en");
    locale = "ja_JP.UTF-8";
    EXPECT_EQ(helpLanguage({}), "ja");
    writeSettings("en");
    EXPECT_EQ(helpLanguage({}), "en");
    EXPECT_EQ(helpLanguage({"--lang", "ja"}), "ja");
    writeSettings("nonsense"); // read as auto
    locale = "de_DE.UTF-8";
    EXPECT_EQ(helpLanguage({}), "en");
}

TEST_F(CliLanguage, EnglishOutputOfACollectionHoldsNoJapaneseButItsData) {
    const std::string name = "リュウ";
    addCharacter("ryu", name);
    addCharacter("ryu2", name); // the same NAME and AUTHOR: a duplicate for check
    writeSettings("en");
    // The core's messages: the update's progress and counts, the portraits' counts.
    const CliRun update = run({"update"});
    ASSERT_EQ(update.exitCode, 0) << update.err;
    EXPECT_THAT(update.out, HasSubstr("Update finished: 2 added, 0 updated."));
    EXPECT_EQ(japaneseIn(update.out + update.err), "") << update.out << update.err;
    const CliRun portraits = run({"portraits", "--all"});
    EXPECT_EQ(portraits.exitCode, 0) << portraits.err;
    EXPECT_THAT(portraits.out, HasSubstr("Portraits retaken: 2 taken"));
    EXPECT_EQ(japaneseIn(portraits.out + portraits.err), "") << portraits.out << portraits.err;
    const CliRun japanese = run({"update", "--lang", "ja"});
    EXPECT_THAT(japanese.out, HasSubstr("更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。"));

    const CliRun check = run({"check"});
    EXPECT_EQ(check.exitCode, 3) << check.err;
    EXPECT_THAT(check.out, HasSubstr(name));
    EXPECT_EQ(japaneseIn(without(check.out, name)), "") << check.out;
    const CliRun roster = run({"roster", root.file("select.def")});
    EXPECT_EQ(roster.exitCode, 0) << roster.err;
    EXPECT_EQ(japaneseIn(roster.out), "") << roster.out;
    for (const std::vector<std::string>& failing :
         {std::vector<std::string>{"portrait", "99", root.file("p.png")},
          {"frames", "--id", "99", root.file("frames")}}) {
        const CliRun failed = run(failing);
        EXPECT_EQ(failed.exitCode, 1) << failing[0];
        EXPECT_EQ(japaneseIn(failed.err), "") << failed.err;
    }
    // Data for scripts is the same in either language.
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"list"}, {"check", "--json"}}) {
        const CliRun english = run(withLanguage(words, "en"));
        EXPECT_EQ(english.out, run(withLanguage(words, "ja")).out) << words[0];
        EXPECT_THAT(english.out, HasSubstr(name)) << words[0];
    }
}

} // namespace
} // namespace zorvik::test
