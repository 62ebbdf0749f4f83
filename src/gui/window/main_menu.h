#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace zorvik::gui {

// MainMenu1's menus and items, built into the window's menu bar in the
// designed order. Like a designer's form class it only holds the items;
// the window and its panes connect them.
class MainMenu {
public:
    // D1 is the hidden debug menu, built by its own class.
    MainMenu(QMenuBar& MainMenu1, QMenu& D1);

    QMenu* Commands1 = nullptr;
    QAction* N1 = nullptr; // list update, F5
    QAction* O1 = nullptr; // the settings dialog
    QMenu* View1 = nullptr; // how the left pane shows the characters
    QMenu* B1 = nullptr;
    QMenu* N9 = nullptr;
    std::array<QAction*, 3> battleParameterItems{}; // M_ParamA, M_ParamB, M_ParamC
    QMenu* Tools1 = nullptr; // the collection tools, beside the designed menus
    QAction* SelectDef1 = nullptr; // the roster export: the engine's select.def
    QAction* Check1 = nullptr;     // the collection check and its report
    QMenu* Help1 = nullptr;
    QAction* V1 = nullptr; // the About box

private:
    void buildBattleMenu(QMenuBar& bar);
};

} // namespace zorvik::gui
