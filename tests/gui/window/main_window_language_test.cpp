#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "core/catalogue/status_rows.h"
#include "gui/app/version_form.h"
#include "gui/detail/detail_pane.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/list/search_bar.h"
#include "gui/window/status_bar.h"
#include "gui_support/english_screen.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

// The window with three characters of English data, one of them gone from
// the character folder.
class MainWindowLanguage : public MainWindowFixture {
protected:
    void addCharacters() {
        addCharacter("Kung Fu Man", "Elecbyte");
        addCharacter("Kung Fu Girl", "Elecbyte");
        insertRow("INSERT INTO CHARACTER_TABLE(NAME, AUTHOR, DELETED) VALUES(?, ?, ?)",
                  {BoundValue::ofText("Suave Dude"), BoundValue::ofText("Elecbyte"),
                   BoundValue::ofInt(kMissingRow)});
    }

    std::string statusText() const { return form->statusBar1().panelText().toStdString(); }

    // Types a search and applies it at once, as the bar's timer would a second later.
    void search(const QString& text) const {
        find<QLineEdit>("Edit1")->setText(text);
        find<gui::SearchBar>("Panel2")->Timer1Timer();
    }

    // The texts of a view's rows and columns, with the roles a user meets.
    static QStringList viewTexts(const QAbstractItemView& view, int role) {
        QStringList texts;
        const QAbstractItemModel* model = view.model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                texts << model->index(row, column).data(role).toString();
            }
        }
        return texts;
    }

    static void expectNoJapanese(const QStringList& texts) {
        for (const QString& text : texts) {
            EXPECT_FALSE(hasJapanese(text)) << text.toStdString();
        }
    }
};

TEST_F(MainWindowLanguage, InEnglishNoCaptionOfTheWholeWindowHoldsJapanese) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    addCharacters();
    open();
    selectRow(0);
    find<QCheckBox>("CheckBox1")->click();
    find<QAction>("PortraitGrid1")->setChecked(true);

    // The whole window: menus, tool bar, list, grid, portrait pane, details
    // and status bar.
    EXPECT_TRUE(japaneseCaptions(*form).isEmpty())
        << japaneseCaptions(*form).join(u'\n').toStdString();
    // The detail grid's labels and the list's tips are texts of the window
    // too, though views hold them as data.
    expectNoJapanese(viewTexts(*find<QTableView>("DGrid"), Qt::DisplayRole));
    expectNoJapanese(viewTexts(*list(), Qt::ToolTipRole));
    EXPECT_EQ(list()->model()->index(2, 0).data(Qt::ToolTipRole).toString(),
              QStringLiteral("This character's folder or file is no longer in the character "
                             "folder"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0], "Thank you for using Zorvik.\nPlease check the settings "
                                   "before you update the character list.");
}

TEST_F(MainWindowLanguage, InEnglishTheStatusBarCountsResultsAndSaysWhatWasSaved) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    addCharacters();
    open();
    search(QStringLiteral("Kung"));
    EXPECT_EQ(statusText(), "Results: 2");
    search(QStringLiteral("nobody"));
    EXPECT_EQ(statusText(), "Results: 0");
    search(QString());
    EXPECT_EQ(statusText(), "Results: 3");
    selectRow(0);
    find<QPushButton>("Button2")->click();
    EXPECT_EQ(statusText(), "Changes saved.");
}

// The match-mode button shows the chosen item without its access key,
// whether the key is a Japanese "(&B)" suffix or an English "&" inside,
// and is as wide as the item's caption needs.
TEST_F(MainWindowLanguage, TheMatchModeButtonShowsTheItemWithoutItsAccessKeyInEitherLanguage) {
    const auto modeCaptions = [this] {
        Texts captions;
        for (const char* item : {"N2", "N3", "N4", "N5"}) {
            find<QAction>(item)->trigger();
            const auto* button = find<QToolButton>("SpeedButton1");
            captions.push_back(button->text().toStdString());
            // Wide enough for its caption, and still beside the search box.
            EXPECT_GE(button->width(), button->sizeHint().width()) << captions.back();
            EXPECT_LE(find<QWidget>("FindTB")->geometry().right(), button->x()) << captions.back();
        }
        return captions;
    };
    addCharacters();
    open();
    EXPECT_EQ(modeCaptions(), Texts({"に一致", "で始まる", "で終わる", "を含む"}));
    {
        const EnglishScreen english;
        ASSERT_TRUE(english.installed());
        open();
        EXPECT_EQ(modeCaptions(), Texts({"Matches", "Begins With", "Ends With", "Contains"}));
        // The chosen mode still searches: "Contains" finds both Kung Fu characters.
        search(QStringLiteral("Fu"));
        EXPECT_EQ(statusText(), "Results: 2");
    }
}

// The Japanese captions that no other test reads, as they have always been.
TEST_F(MainWindowLanguage, InJapaneseTheSearchBarDebugMenuAndAboutBoxReadAsTheyWere) {
    open();
    EXPECT_EQ(find<QLabel>("Label1")->text().toStdString(), "検索対象");
    EXPECT_EQ(find<QMenu>("D1")->title().toStdString(), "デバッグ(&D)");
    EXPECT_EQ(find<QAction>("N10")->text().toStdString(), "完全削除");
    const gui::TVersionForm about(shell, nullptr);
    const auto label = [&about](const char* name) {
        return about.findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString();
    };
    EXPECT_EQ(label("Label2"), "（ゾルヴィク）");
    EXPECT_EQ(label("Memo1"),
              "Version = 1.0.0<br>作者：Zorvik プロジェクト<br>"
              "Web サイト：<a href=\"https://zorvik.example/\">https://zorvik.example/</a><br>"
              "本ソフトウェアは無保証で提供されます。<br>"
              "使用によって生じた損害について、作者は一切の責任を負いません。");
    EXPECT_EQ(label("Memo2"), "画像：Zorvik プロジェクトがプログラムで描いたものです。<br>"
                              "写真は使用していません。");
}

TEST_F(MainWindowLanguage, InEnglishTheProgressDialogAndTheAboutBoxHoldNoJapanese) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    gui::TForm3 progress(nullptr);
    progress.Button1Click(); // its stopping text
    EXPECT_TRUE(japaneseCaptions(progress).isEmpty())
        << japaneseCaptions(progress).join(u'\n').toStdString();
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("Updating Character List"));
    gui::TVersionForm about(shell, nullptr);
    EXPECT_TRUE(japaneseCaptions(about).isEmpty())
        << japaneseCaptions(about).join(u'\n').toStdString();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Zorvik"));
}

// The title bar reads the window's title and then the program's
// description, which is in the language shown, as the window's captions are.
TEST_F(MainWindowLanguage, TheTitleBarIsInTheLanguageShown) {
    {
        const gui::ProgramTranslation japanese(Language::Japanese);
        open();
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Zorvik"));
        EXPECT_EQ(QGuiApplication::applicationDisplayName(),
                  QStringLiteral("M.U.G.E.N キャラクター管理ツール"));
    }
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zorvik"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(),
              QStringLiteral("M.U.G.E.N character management tool"));
}

// SQLite's own text is put in as it comes, even when it holds "%1".
TEST(UpdateFailureMessage, NamesTheStageInEitherLanguageAndKeepsSQLitesTextAsItIs) {
    const auto failure = CatalogueStatus::failure(CatalogueStatus::Stage::Run,
                                                  "no such column: %1 %2", "UPDATE");
    EXPECT_EQ(gui::DetailPane::updateFailureMessage(failure),
              "更新は失敗しました(step)：no such column: %1 %2");
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    EXPECT_EQ(gui::DetailPane::updateFailureMessage(failure),
              "Update failed (step): no such column: %1 %2");
}

} // namespace
} // namespace zorvik::test
