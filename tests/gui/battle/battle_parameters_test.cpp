#include "gui/battle/battle_parameters.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

using BattleParameters = MainWindowFixture;

TEST_F(BattleParameters, CtrlBOutsideATextFieldChoosesSetBAndItSurvivesARestart) {
    addCharacter("Ryu");
    openActive();
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(find<QAction>("M_ParamB")->isChecked());
    EXPECT_TRUE(find<QToolButton>("ToolButton4")->isChecked());
    EXPECT_FALSE(find<QToolButton>("ToolButton3")->isChecked());
    form->close();

    openActive();
    EXPECT_EQ(form->settings().settings().DefaultBattleParam, 1);
    EXPECT_TRUE(find<QAction>("M_ParamB")->isChecked());
    EXPECT_TRUE(find<QToolButton>("ToolButton4")->isChecked());
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(find<QToolButton>("ToolButton5")->isChecked());
}

TEST_F(BattleParameters, InTheSearchBoxTheKeysSelectAndCopyAndChooseNoSet) {
    openActive();
    auto* search = find<QLineEdit>("Edit1");
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("kfm"));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(search->selectedText(), QStringLiteral("kfm"));
    QTest::keyClick(search, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kfm"));
    QTest::keyClick(search, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(search->text(), QStringLiteral("kfm"));
    EXPECT_TRUE(find<QAction>("M_ParamA")->isChecked());
    EXPECT_TRUE(find<QToolButton>("ToolButton3")->isChecked());
    EXPECT_EQ(form->settings().settings().DefaultBattleParam, 0);
}

TEST_F(BattleParameters, IconButtonsAreNamedAndTheSetButtonsDescribedByTheirTexts) {
    writeSettings("[General]\nBattleParamB=-rounds 3\n");
    open();
    EXPECT_EQ(find<QToolButton>("ToolButton1")->accessibleName().toStdString(), "データリスト更新");
    const auto* setB = find<QToolButton>("ToolButton4");
    EXPECT_EQ(setB->accessibleName().toStdString(), "パラメータB");
    EXPECT_EQ(setB->toolTip().toStdString(), "-rounds 3");
    EXPECT_EQ(setB->accessibleDescription().toStdString(), "-rounds 3");
    EXPECT_EQ(find<QToolButton>("ToolButton3")->accessibleName().toStdString(), "パラメータA");
}

} // namespace
} // namespace zorvik::test
