#include "gui/window/main_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace zorvik::gui {

namespace {

QMenu* addMenu(QMenuBar& bar, const QString& objectName, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(objectName);
    return menu;
}

QAction* addItem(QMenu& menu, const QString& objectName, const QString& caption) {
    QAction* item = menu.addAction(caption);
    item->setObjectName(objectName);
    return item;
}

} // namespace

MainMenu::MainMenu(QMenuBar& MainMenu1, QMenu& D1) {
    MainMenu1.setObjectName(QStringLiteral("MainMenu1"));
    Commands1 = addMenu(MainMenu1, QStringLiteral("Commands1"), tr("機能(&F)"));
    N1 = addItem(*Commands1, QStringLiteral("N1"), tr("キャラクターリスト更新(&F)"));
    N1->setShortcut(Qt::Key_F5);
    O1 = addItem(*Commands1, QStringLiteral("O1"), tr("設定(&O)..."));
    Commands1->addSeparator();
    Quit1 = addItem(*Commands1, QStringLiteral("Quit1"), tr("終了(&X)"));
    // Ctrl+Q on every platform (the platform's own Quit sequence is empty on Windows).
    Quit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    View1 = addMenu(MainMenu1, QStringLiteral("View1"), tr("表示(&V)"));
    MainMenu1.addMenu(&D1);
    D1.menuAction()->setVisible(false);
    buildBattleMenu(MainMenu1);
    Tools1 = addMenu(MainMenu1, QStringLiteral("Tools1"), tr("ツール(&T)"));
    SelectDef1 = addItem(*Tools1, QStringLiteral("SelectDef1"), tr("select.defを書き出す(&S)..."));
    Check1 = addItem(*Tools1, QStringLiteral("Check1"), tr("コレクションを検査(&C)..."));
    Recapture1 =
        addItem(*Tools1, QStringLiteral("Recapture1"), tr("ポートレートを取り込み直す(&P)..."));
    Help1 = addMenu(MainMenu1, QStringLiteral("Help1"), tr("ヘルプ(&H)"));
    V1 = addItem(*Help1, QStringLiteral("V1"), tr("Zorvikについて(&V)..."));
}

void MainMenu::buildBattleMenu(QMenuBar& bar) {
    B1 = addMenu(bar, QStringLiteral("B1"), tr("対戦(&B)"));
    N9 = B1->addMenu(tr("使用パラメータ"));
    N9->setObjectName(QStringLiteral("N9"));
    auto* group = new QActionGroup(N9);
    const QString letters = QStringLiteral("ABC");
    for (int tag = 0; tag < 3; ++tag) {
        const QString letter = letters.mid(tag, 1);
        QAction* item =
            addItem(*N9, QStringLiteral("M_Param") + letter, tr("パラメータ%1").arg(letter));
        item->setCheckable(true);
        item->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + letter));
        group->addAction(item);
        battleParameterItems[static_cast<std::size_t>(tag)] = item;
    }
    battleParameterItems[0]->setChecked(true);
}

} // namespace zorvik::gui
