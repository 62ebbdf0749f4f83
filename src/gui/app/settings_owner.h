#pragma once

#include <string>

#include <QObject>

#include "core/settings/app_settings.h"

namespace zorvik::gui {

// Holds the program's settings while it runs (read at start, written at
// close) and announces their changes, so that each pane refreshes what it
// derived from them and no one keeps a list of what to rebuild. Panes
// connect as the window builds them, and the window builds them in the
// order of refresh: detail labels, list, opponents menu, tool tips.
class SettingsOwner : public QObject {
    Q_OBJECT
public:
    explicit SettingsOwner(QObject* parent = nullptr) : QObject(parent) {}

    const AppSettings& settings() const { return settings_; }
    // For loading and for the choices that no pane derives anything from
    // (the parameter set in use, the window placement): no announcement.
    AppSettings& values() { return settings_; }

    // Replaces every setting, as the settings dialog's OK does, then announces it.
    void store(const AppSettings& settings);
    // Appends an opponent line to FighterList and announces that.
    void addFighter(const std::string& line);

signals:
    // Any setting may have changed.
    void changed();
    // Only FighterList changed.
    void fightersChanged();

private:
    AppSettings settings_;
};

} // namespace zorvik::gui
