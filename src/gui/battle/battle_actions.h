#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include <QObject>

#include "core/catalogue/character_records.h"
#include "gui/battle/engine_starter.h"

class QAbstractItemView;
class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListPane;
class ListContextMenuEvents;
class SettingsOwner;
class Shell;
class StatusMessages;

// What the user does with the selected character besides viewing it: the
// list's popup menu PopupMenu3 opens its folder, starts a battle against a
// registered opponent (the submenu N8 mirrors FighterList) and registers it
// as an opponent; the hidden debug item N10 deletes its row for good.
class BattleActions : public QObject {
    Q_OBJECT
public:
    BattleActions(Kel_CharacterDb& db, CharacterListPane& list, SettingsOwner& settings,
                  UserMessages& messages, Shell& shell, StatusMessages& status, QWidget* window);

    // One column of the selected row's record as text; none when no row is
    // selected, the record cannot be read, or the text with its terminator
    // does not fit size bytes.
    std::optional<std::string> GetSelectedColumnText(int column, std::size_t size);

    QMenu* popupMenu() const { return PopupMenu3; }

    // PopupMenu3 opens from another view of the list's rows too (the portrait grid).
    void offerPopupOn(QAbstractItemView& view);

public slots:
    // N8 gets one item per FighterList line, named by the opponent's NAME
    // with its folder as the tool tip; it is disabled when there is none.
    void BuildBattleMenu();
    // Opens PopupMenu3 unless no row is selected or the point is in the header band.
    void ListView1ContextPopup(const QPoint& listPos, const QPoint& globalPos);
    // 対戦キャラに登録(&R)
    void N7Click();
    // "<opponent> と対戦", an item of the submenu 対戦 (N8)
    void BattleSubMenuClick(QAction* sender);
    // Enter or a double-click on a row: a battle against the first registered
    // opponent; without one, a message says how to register one.
    void battleFirstOpponent();
    // 開く(&O)
    void Open1Click();
    // 完全削除 (the hidden debug menu)
    void N10Click();

private:
    void buildPopupMenu(QWidget* window);
    void exposeToAccessibilityTools(QWidget* window);
    // The selected row as a battle or an opponent takes it: its FILENAME, or
    // the relative path of its .def for a folder in a group folder; none
    // (after the failure message) when the row cannot be read or is an
    // archive, which cannot battle.
    std::optional<std::string> battleName();
    void openFolder(const std::string& fileName);
    void startBattleAgainst(std::size_t opponent);

    Kel_CharacterDb& db_;
    CharacterRecords records_;
    CharacterListPane& list_;
    SettingsOwner& settings_;
    UserMessages& messages_;
    Shell& shell_;
    StatusMessages& status_;
    EngineStarter engine_;
    ListContextMenuEvents* listEvents_ = nullptr;
    QMenu* PopupMenu3 = nullptr; // the list's popup menu
    QAction* Open1 = nullptr;    // 開く(&O)
    QMenu* N8 = nullptr;         // 対戦
    QAction* N6 = nullptr;       // separator
    QAction* N7 = nullptr;       // 対戦キャラに登録(&R)
};

} // namespace zorvik::gui
