#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "gui/settings/settings_controls.h"
#include "gui_support/access_keys.h"
#include "gui_support/english_screen.h"
#include "gui_support/settings_dialog_fixture.h"

namespace zorvik::test {
namespace {

using gui::settings_controls::withoutAccessKey;

// The caption of a control that can carry an access key; empty for others.
QString captionOf(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&w)) {
        return group->title();
    }
    return {};
}

// The program in English from before the window is made.
class SettingsInEnglish : public SettingsDialogFixture {
protected:
    const EnglishScreen english;

    void openInEnglish() {
        ASSERT_TRUE(english.installed());
        writeSettings("[General]\nFirstRun=0\n");
        temp.write("program/FighterList", "kfm\r\nryu\r\n");
        open();
    }

    QTabWidget& tabs() const { return *inDialog<QTabWidget>("PageControl1"); }

    // Shows page index and lays it out as the user sees it.
    QWidget& showPage(int index) const {
        tabs().setCurrentIndex(index);
        QApplication::processEvents();
        return *tabs().widget(index);
    }

    // The visible captions of the page and of the dialog's own buttons.
    QList<const QWidget*> captionedOnPage(const QWidget& page) const {
        QList<const QWidget*> found = {inDialog<QPushButton>("Button1"),
                                       inDialog<QPushButton>("Button2")};
        for (const QWidget* w : page.findChildren<QWidget*>()) {
            if (w->isVisible() && !captionOf(*w).isEmpty()) {
                found << w;
            }
        }
        return found;
    }
};

TEST_F(SettingsInEnglish, NoPageShowsJapaneseButTheLanguageChoiceNamingEachLanguageInItself) {
    openInEnglish();
    inSettings(Close::Cancel, [&] {
        // The choice names 日本語 in Japanese and says its note in both
        // languages, for a reader who does not read the one shown.
        const QStringList bilingual = japaneseCaptions(*inDialog<QWidget>("LanguageChoice"));
        EXPECT_EQ(bilingual.size(), 2) << bilingual.join(u'\n').toStdString();
        for (int page = 0; page < tabs().count(); ++page) {
            showPage(page);
        }
        QStringList found = japaneseCaptions(*dialog);
        for (const QString& caption : bilingual) {
            found.removeOne(caption);
        }
        EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Settings"));
        EXPECT_EQ(inDialog<QPushButton>("Button2")->text(), QStringLiteral("Cancel"));
    });
}

TEST_F(SettingsInEnglish, OnEveryPageAccessKeysDoNotClashAndNoCaptionIsCut) {
    openInEnglish();
    inSettings(Close::Cancel, [&] {
        for (int index = 0; index < tabs().count(); ++index) {
            const QWidget& page = showPage(index);
            const std::string where = tabs().tabText(index).toStdString();
            QList<QChar> keys;
            for (const QWidget* w : captionedOnPage(page)) {
                const QString caption = captionOf(*w);
                const QChar key = accessKey(caption);
                EXPECT_FALSE(!key.isNull() && keys.contains(key))
                    << where << ": " << caption.toStdString();
                keys << key;
                const int needed =
                    qobject_cast<const QPushButton*>(w) != nullptr
                        ? w->fontMetrics().horizontalAdvance(withoutAccessKey(caption))
                        : w->sizeHint().width();
                EXPECT_GE(w->width(), needed) << where << ": " << caption.toStdString();
            }
            const QRect tab = tabs().tabBar()->tabRect(index);
            EXPECT_GE(tab.width(), tabs().fontMetrics().horizontalAdvance(tabs().tabText(index)))
                << where;
            EXPECT_TRUE(tabs().tabBar()->rect().contains(tab)) << where;
        }
    });
}

TEST_F(SettingsInEnglish, ReadersHearCaptionsWithoutAccessKeyMarks) {
    openInEnglish();
    inSettings(Close::Cancel, [&] {
        EXPECT_EQ(inDialog<QComboBox>("LanguageBox")->accessibleName(), QStringLiteral("Language"));
        EXPECT_EQ(inDialog<QWidget>("StringGrid1")->accessibleName(),
                  QStringLiteral("Rename columns"));
        EXPECT_EQ(inDialog<QWidget>("ListBox1")->accessibleName(), QStringLiteral("Shown columns"));
        EXPECT_EQ(inDialog<QWidget>("ListBox3")->accessibleName(), QStringLiteral("Opponents"));
        EXPECT_EQ(inDialog<QWidget>("Button3")->accessibleName(),
                  QStringLiteral("Choose Characters Folder"));
    });
}

TEST_F(SettingsInEnglish, ChoosersAndTheMissingFolderMessageSpeakEnglish) {
    openInEnglish();
    choosers.answer(QStringLiteral("/no/such/chars"));
    choosers.cancelNext();
    inSettings(Close::Cancel, [&] {
        click("Button3");
        click("Button5");
    });
    ASSERT_EQ(choosers.calls().size(), 2u);
    EXPECT_EQ(choosers.calls()[0].title, QStringLiteral("Characters Folder"));
    EXPECT_EQ(choosers.calls()[1].title, QStringLiteral("MUGEN Executable"));
    EXPECT_EQ(choosers.calls()[1].filter,
              QStringLiteral("MUGEN executables (mugen, *.exe)|mugen;*.exe|All files (*.*)|*"));
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown()[0], "The folder /no/such/chars does not exist.");
}

TEST(AccessKeyMarks, AreDroppedWhileADoubledAmpersandStaysOneAndALastOneStays) {
    EXPECT_EQ(withoutAccessKey(QStringLiteral("&Characters folder")),
              QStringLiteral("Characters folder"));
    EXPECT_EQ(withoutAccessKey(QStringLiteral("Save && &Quit")), QStringLiteral("Save & Quit"));
    EXPECT_EQ(withoutAccessKey(QStringLiteral("R&&D&")), QStringLiteral("R&D&"));
    EXPECT_EQ(withoutAccessKey(QStringLiteral("表示言語")), QStringLiteral("表示言語"));
}

} // namespace
} // namespace zorvik::test
