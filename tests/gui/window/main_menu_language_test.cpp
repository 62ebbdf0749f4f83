#include <QMenu>
#include <QMenuBar>

#include "gui_support/access_keys.h"
#include "gui_support/english_screen.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

class MainMenuLanguage : public MainWindowFixture {
protected:
    // The visible menus and items, a menu's items indented under it.
    QStringList menuTree() const {
        QStringList lines;
        addItems(form->menuBar()->actions(), QString(), lines);
        return lines;
    }

    // Fails for each menu whose items share an access key.
    void expectDistinctAccessKeys(const QList<QAction*>& actions, const QString& where) const {
        QList<QChar> keys;
        for (const QAction* action : actions) {
            if (!action->isVisible() || action->isSeparator()) {
                continue;
            }
            const QChar key = accessKey(action->text());
            EXPECT_FALSE(!key.isNull() && keys.contains(key))
                << where.toStdString() << ": " << action->text().toStdString();
            keys << key;
            if (action->menu() != nullptr) {
                expectDistinctAccessKeys(action->menu()->actions(), action->text());
            }
        }
    }

private:
    static void addItems(const QList<QAction*>& actions, const QString& indent,
                         QStringList& lines) {
        for (const QAction* action : actions) {
            if (!action->isVisible() || action->isSeparator()) {
                continue;
            }
            lines << indent + action->text();
            if (action->menu() != nullptr) {
                addItems(action->menu()->actions(), indent + QStringLiteral("  "), lines);
            }
        }
    }
};

TEST_F(MainMenuLanguage, InJapaneseEveryCaptionIsAsItWas) {
    open();
    const QStringList expected = {QStringLiteral("機能(&F)"),
                                  QStringLiteral("  キャラクターリスト更新(&F)"),
                                  QStringLiteral("  設定(&O)..."),
                                  QStringLiteral("  終了(&X)"),
                                  QStringLiteral("表示(&V)"),
                                  QStringLiteral("  ポートレート一覧(&G)"),
                                  QStringLiteral("対戦(&B)"),
                                  QStringLiteral("  使用パラメータ"),
                                  QStringLiteral("    パラメータA"),
                                  QStringLiteral("    パラメータB"),
                                  QStringLiteral("    パラメータC"),
                                  QStringLiteral("ツール(&T)"),
                                  QStringLiteral("  select.defを書き出す(&S)..."),
                                  QStringLiteral("  コレクションを検査(&C)..."),
                                  QStringLiteral("  ポートレートを取り込み直す(&P)..."),
                                  QStringLiteral("ヘルプ(&H)"),
                                  QStringLiteral("  Zorvikについて(&V)...")};
    EXPECT_EQ(menuTree(), expected);
}

TEST_F(MainMenuLanguage, InEnglishNoCaptionHoldsJapaneseAndAccessKeysDoNotClash) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    open();
    const QStringList expected = {QStringLiteral("&File"),
                                  QStringLiteral("  &Update Character List"),
                                  QStringLiteral("  &Settings…"),
                                  QStringLiteral("  &Quit"),
                                  QStringLiteral("&View"),
                                  QStringLiteral("  Portrait &Grid"),
                                  QStringLiteral("&Battle"),
                                  QStringLiteral("  &Parameter Set"),
                                  QStringLiteral("    Parameters &A"),
                                  QStringLiteral("    Parameters &B"),
                                  QStringLiteral("    Parameters &C"),
                                  QStringLiteral("&Tools"),
                                  QStringLiteral("  &Export select.def…"),
                                  QStringLiteral("  &Check Collection…"),
                                  QStringLiteral("  Recapture &Portraits…"),
                                  QStringLiteral("&Help"),
                                  QStringLiteral("  &About Zorvik…")};
    const QStringList tree = menuTree();
    EXPECT_EQ(tree, expected);
    for (const QString& line : tree) {
        EXPECT_FALSE(hasJapanese(line)) << line.toStdString();
    }
    expectDistinctAccessKeys(form->menuBar()->actions(), QStringLiteral("menu bar"));
    // The shortcuts stay as they are in either language.
    EXPECT_EQ(find<QAction>("N1")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(find<QAction>("PortraitGrid1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_EQ(find<QAction>("Quit1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST(JapaneseText, KanaKanjiAndFullWidthFormsAreFoundAndEnglishIsNot) {
    EXPECT_TRUE(hasJapanese(QStringLiteral("ツール")));
    EXPECT_TRUE(hasJapanese(QStringLiteral("Open 設定")));
    EXPECT_TRUE(hasJapanese(QStringLiteral("ｶﾅ")));
    EXPECT_TRUE(hasJapanese(QStringLiteral("、")));
    EXPECT_FALSE(hasJapanese(QStringLiteral("&Settings… — Zorvik (é)")));
}

} // namespace
} // namespace zorvik::test
