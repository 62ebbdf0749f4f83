#include <filesystem>

#include <QAction>
#include <QMenu>

#include "gui/app/settings_owner.h"
#include "gui/window/status_bar.h"
#include "gui_support/access_keys.h"
#include "gui_support/english_screen.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

// The list's popup menu and the battle's messages with the program in English.
class BattleMenuInEnglish : public MainWindowFixture {
protected:
    void SetUp() override { ASSERT_TRUE(english.installed()); }

    QMenu* popup() const { return find<QMenu>("PopupMenu3"); }

    static QStringList captions(const QMenu& menu) {
        QStringList texts;
        for (const QAction* item : menu.actions()) {
            texts << item->text();
        }
        return texts;
    }

    void battleAgainst(int opponent) const { find<QMenu>("N8")->actions().at(opponent)->trigger(); }

    const EnglishScreen english; // built before open() builds the window
};

TEST_F(BattleMenuInEnglish, ThePopupAndItsOpponentsAreInEnglishWithDistinctAccessKeys) {
    writeSettings("[General]\nFirstRun=0\n");
    temp.write("program/FighterList", "kfm\r\n");
    addStoredCharacter("Alpha", "alpha", 0);
    open();
    selectRow(0);
    find<QAction>("N7")->trigger();
    EXPECT_EQ(captions(*popup()),
              (QStringList{QStringLiteral("&Open Folder"), QStringLiteral("&Battle"), QString(),
                           QStringLiteral("&Register as Opponent")}));
    EXPECT_EQ(captions(*find<QMenu>("N8")),
              (QStringList{QStringLiteral("Battle vs. kfm"), QStringLiteral("Battle vs. Alpha")}));
    EXPECT_EQ(popup()->title(), QStringLiteral("Character"));
    const QStringList japanese = japaneseCaptions(*popup());
    EXPECT_TRUE(japanese.isEmpty()) << japanese.join(QLatin1Char('\n')).toStdString();
    QList<QChar> keys;
    for (const QString& caption : captions(*popup())) {
        const QChar key = accessKey(caption);
        EXPECT_FALSE(!key.isNull() && keys.contains(key)) << caption.toStdString();
        keys << key;
    }
    EXPECT_EQ(form->statusBar1().panelText(), QStringLiteral("Added to the opponent list: alpha"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(BattleMenuInEnglish, EveryReasonABattleDoesNotStartIsToldInEnglish) {
    // A "%2" in the engine's path is part of the path, not a place for the next argument.
    const std::string engine = temp.write("mugen 100%2/mugen", "\x7f"
                                                               "ELF");
    writeSettings("[General]\nFirstRun=0\nMugenExeFile=" + engine + "\n");
    addStoredCharacter("Alpha", "alpha", 0);
    open();
    find<QAction>("N7")->trigger();
    selectRow(0);
    QTest::keyClick(list(), Qt::Key_Return);
    AppSettings opponents = form->settings().settings();
    opponents.FighterList = {std::string(2040, 'o'), "beta"};
    form->settings().store(opponents);
    selectRow(0); // the settings' change rebuilt the list
    battleAgainst(0);
    shell.failNextStartWith = QStringLiteral("Permission denied");
    battleAgainst(1);
    std::filesystem::remove(engine);
    battleAgainst(1);

    const Texts expected = {
        "No character is selected.",
        "No opponent is registered.\nRight-click the character to fight against and choose "
        "\u201cRegister as Opponent\u201d.",
        "The battle parameters are too long.\n"
        "The character names and the battle parameters together must fit in 2047 bytes.",
        "Could not start M.U.G.E.N.\n" + engine + "\nPermission denied",
        "The M.U.G.E.N executable was not found.\nPlease check the settings."};
    EXPECT_EQ(messages.shown(), expected);
}

} // namespace
} // namespace zorvik::test
