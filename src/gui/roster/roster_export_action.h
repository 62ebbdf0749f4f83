#pragma once

#include <QObject>

#include "core/roster/roster_options.h"

class QWidget;

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListPane;
class Choosers;
class SettingsOwner;

// The ツール menu's select.def export: asks for the options, writes the
// engine's roster from the list as shown (its search and sort), and tells
// what became of it. The options chosen are offered again next time.
class RosterExportAction : public QObject {
    Q_OBJECT
public:
    RosterExportAction(Kel_CharacterDb& db, const CharacterListPane& list,
                       const SettingsOwner& settings, UserMessages& messages, Choosers& choosers,
                       QWidget* window);

public slots:
    // select.defを書き出す(&S)...
    void SelectDef1Click();

private:
    RosterOptions initialOptions() const;
    RosterReport exportWith(RosterOptions options) const;
    void showReport(const RosterReport& report);

    Kel_CharacterDb& db_;
    const CharacterListPane& list_;
    const SettingsOwner& settings_;
    UserMessages& messages_;
    Choosers& choosers_;
    QWidget* window_;
    // The options of the last accepted dialog; the defaults before the first.
    RosterOptions last_;
};

} // namespace zorvik::gui
