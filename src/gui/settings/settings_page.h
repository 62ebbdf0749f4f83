#pragma once

#include <QWidget>

#include "core/settings/app_settings.h"

namespace zorvik::gui {

// One tab of the settings dialog. The dialog fills every page from its
// copy of the settings when it is shown, and on OK has every page write
// its controls into the settings that are then stored.
class SettingsPage : public QWidget {
public:
    using QWidget::QWidget;

    virtual void load(const AppSettings& settings) = 0;
    virtual void store(AppSettings& settings) const = 0;
};

} // namespace zorvik::gui
