#include <QAccessible>
#include <QComboBox>
#include <QLabel>

#include "gui/app/program_translation.h"
#include "gui_support/settings_dialog_fixture.h"

namespace zorvik::test {
namespace {

class LanguageSetting : public SettingsDialogFixture {
protected:
    QStringList choices() const {
        QStringList texts;
        const auto* box = inDialog<QComboBox>("LanguageBox");
        for (int item = 0; item < box->count(); ++item) {
            texts << box->itemText(item);
        }
        return texts;
    }
    static bool labelledBy(QWidget* control, QWidget* label) {
        const auto relations =
            QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
        for (const auto& [other, relation] : relations) {
            if (other->object() == label) {
                return true;
            }
        }
        return false;
    }
    QString shown() const { return inDialog<QComboBox>("LanguageBox")->currentText(); }
};

TEST_F(LanguageSetting, TheFirstTabShowsTheStoredLanguageAndOkKeepsTheChosenOne) {
    writeSettings("[General]\nFirstRun=0\nLanguage=en\n");
    open();
    inSettings(Close::Ok, [&] {
        EXPECT_EQ(inDialog<QLabel>("LanguageLabel")->text(), QStringLiteral("表示言語"));
        EXPECT_EQ(choices(), texts({"自動", "日本語", "English"}));
        EXPECT_EQ(shown(), QStringLiteral("English"));
        auto* box = inDialog<QComboBox>("LanguageBox");
        // Linux's accessibility gives a combo box's label by relation, its name being its text.
        EXPECT_EQ(box->accessibleName(), QStringLiteral("表示言語"));
        EXPECT_TRUE(labelledBy(box, inDialog<QLabel>("LanguageLabel")));
        EXPECT_TRUE(box->isVisibleTo(dialog)); // on the tab shown first
        const QString note = inDialog<QLabel>("LanguageNote")->text();
        EXPECT_TRUE(note.contains(QStringLiteral("次回の起動時")));
        EXPECT_TRUE(note.contains(QStringLiteral("next starts")));
        box->setCurrentIndex(1);
    });
    EXPECT_EQ(form->settings().settings().DisplayLanguage, Language::Japanese);
    inSettings(Close::Cancel, [&] {
        EXPECT_EQ(shown(), QStringLiteral("日本語"));
        inDialog<QComboBox>("LanguageBox")->setCurrentIndex(2);
    });
    EXPECT_EQ(form->settings().settings().DisplayLanguage, Language::Japanese);
    form->close();
    EXPECT_NE(settingsText().find("Language=ja\r\n"), std::string::npos);
}

TEST_F(LanguageSetting, AMissingOrUnknownKeyShowsAutomatic) {
    writeSettings("[General]\nFirstRun=0\nLanguage=fr\n");
    open();
    inSettings(Close::Ok, [&] { EXPECT_EQ(shown(), QStringLiteral("自動")); });
    form->close();
    EXPECT_NE(settingsText().find("Language=auto\r\n"), std::string::npos);
}

TEST_F(LanguageSetting, InEnglishTheLabelAndAutomaticAreEnglishAndTheNoteKeepsBothLanguages) {
    const gui::ProgramTranslation english(Language::English);
    ASSERT_TRUE(english.installed());
    writeSettings("[General]\nFirstRun=0\n");
    open();
    inSettings(Close::Cancel, [&] {
        EXPECT_EQ(inDialog<QLabel>("LanguageLabel")->text(), QStringLiteral("Language"));
        EXPECT_EQ(choices(), texts({"Automatic", "日本語", "English"}));
        EXPECT_TRUE(inDialog<QLabel>("LanguageNote")->text().contains(QStringLiteral("次回")));
    });
}

TEST_F(LanguageSetting, JapaneseInstallsNoTranslationOfOurs) {
    const gui::ProgramTranslation japanese(Language::Japanese);
    EXPECT_FALSE(japanese.installed());
    writeSettings("[General]\nFirstRun=0\n");
    open();
    inSettings(Close::Cancel, [&] {
        EXPECT_EQ(inDialog<QLabel>("LanguageLabel")->text(), QStringLiteral("表示言語"));
    });
}

} // namespace
} // namespace zorvik::test
