#pragma once

#include <string>

#include <QObject>

#include "core/settings/app_settings.h"

namespace zorvik::gui {

// Holds the program's settings while it runs (loaded at start) and
// announces every change, so that each pane refreshes what it derived from
// them, no one keeps a list of what to rebuild, and the window writes them. Values
// change only through the setters below. Panes connect as the window
// builds them, and the window builds them in the order of refresh: detail
// labels, list, opponents menu, tool tips.
class SettingsOwner : public QObject {
    Q_OBJECT
public:
    // pathFolder is where relative folders of the settings are taken from
    // (the folder of Settings.ini); empty leaves them as they are.
    explicit SettingsOwner(AppSettings initial = {}, std::string pathFolder = {},
                           QObject* parent = nullptr);

    // The settings as stored and shown in the settings dialog.
    const AppSettings& settings() const { return settings_; }
    // The same with MainDir, TempDir and MugenExeFile as absolute paths:
    // what the panes and jobs use.
    const AppSettings& inUse() const { return inUse_; }

    // Replaces every setting, as the settings dialog's OK does, then announces it.
    void store(const AppSettings& settings);
    // Appends an opponent line to FighterList and announces that.
    void addFighter(const std::string& line);
    // Chooses the parameter set of battles (0 A, 1 B, 2 C; any other as A)
    // and announces that.
    void setDefaultBattleParam(int set);
    // Remembers whether the left pane shows the portrait grid. Only the
    // switch itself follows this choice, so only modified() announces it.
    void setPortraitGrid(bool shown);
    // Remembers whether the portrait box plays the standing animation; as
    // above, only the switch follows it.
    void setShowStandingAnimation(bool on);

signals:
    // Any setting may have changed.
    void changed();
    // Only FighterList changed.
    void fightersChanged();
    // Only DefaultBattleParam changed.
    void battleParamChanged();
    // After each change above, and after a change that only its own switch
    // follows: the settings files no longer hold what is in use.
    void modified();

private:
    void takeNewValues();

    AppSettings settings_;
    std::string pathFolder_;
    AppSettings inUse_;
};

} // namespace zorvik::gui
