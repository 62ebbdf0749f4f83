#pragma once

#include <QMenu>

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class StatusBar;

// D1, the hidden maintenance menu: empty or drop the character table after
// a confirmation, rebuild the list, delete the selected row, start a list
// update.
class DebugMenu : public QMenu {
    Q_OBJECT
public:
    DebugMenu(Kel_CharacterDb& db, UserMessages& messages, StatusBar& status, QWidget* parent);

    // "UpdateCharList()" and "Call Form3", which the window connects.
    QAction* updateListItem() const { return Update1; }
    QAction* listUpdateItem() const { return CallForm31; }
    // "完全削除", which deletes the selected character's row.
    QAction* completeDeletionItem() const { return N10; }

public slots:
    // DELETE FROM CHARACTER_TABLE
    void DELETEFROMCHARTABLE1Click();
    // DROP TABLE CHARACTER_TABLE
    void DROPTABLECHARACTERTABLE1Click();

private:
    QAction* addItem(const QString& objectName, const QString& caption);
    void runMaintenance(const QString& question, bool (Kel_CharacterDb::*statement)());

    Kel_CharacterDb& db_;
    UserMessages& messages_;
    StatusBar& status_;
    QAction* DELETEFROMCHARTABLE1 = nullptr;
    QAction* DROPTABLECHARACTERTABLE1 = nullptr;
    QAction* Update1 = nullptr;
    QAction* N10 = nullptr;
    QAction* CallForm31 = nullptr;
};

} // namespace zorvik::gui
