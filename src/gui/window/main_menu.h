#pragma once

#include <array>

#include <QCoreApplication>

class QAction;
class QMenu;
class QMenuBar;

namespace zorvik::gui {

// MainMenu1's menus and items, built into the window's menu bar in the
// designed order. Like a designer's form class it only holds the items;
// the window and its panes connect them.
class MainMenu {
    Q_DECLARE_TR_FUNCTIONS(MainMenu)
public:
    // D1 is the hidden debug menu, built by its own class.
    MainMenu(QMenuBar& MainMenu1, QMenu& D1);

    QMenu* Commands1 = nullptr; // 機能(&F)
    QAction* N1 = nullptr;      // キャラクターリスト更新(&F): list update, F5
    QAction* O1 = nullptr;      // 設定(&O)...: the settings dialog
    QAction* Quit1 = nullptr;   // 終了(&X): closes the window, Ctrl+Q
    QMenu* View1 = nullptr;     // 表示(&V): how the left pane shows the characters
    QMenu* B1 = nullptr;        // 対戦(&B)
    QMenu* N9 = nullptr;        // 使用パラメータ: the battle parameter set in use
    std::array<QAction*, 3> battleParameterItems{}; // M_ParamA, M_ParamB, M_ParamC
    QMenu* Tools1 = nullptr; // the collection tools, beside the designed menus
    QAction* SelectDef1 = nullptr; // the roster export: the engine's select.def
    QAction* Check1 = nullptr;     // the collection check and its report
    QAction* Recapture1 = nullptr; // the portraits of the shown rows, taken again
    QMenu* Help1 = nullptr;        // ヘルプ(&H)
    QAction* V1 = nullptr;         // Zorvikについて(&V)...: the About box

private:
    void buildBattleMenu(QMenuBar& bar);
};

} // namespace zorvik::gui
