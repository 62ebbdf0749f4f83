#include "gui/mainwindow/battle_parameters.h"

#include <QAction>
#include <QToolButton>

#include "core/settings/app_settings.h"

namespace zorvik::gui {

BattleParameters::BattleParameters(AppSettings& settings, const std::array<QAction*, 3>& items,
                                   const std::array<QToolButton*, 3>& buttons, QObject* parent)
    : QObject(parent), settings_(settings), items_(items), buttons_(buttons) {
    for (int tag = 0; tag < 3; ++tag) {
        const auto index = static_cast<std::size_t>(tag);
        connect(items_[index], &QAction::triggered, this, [this, tag] { M_ParamCClick(tag); });
        connect(buttons_[index], &QToolButton::clicked, this, [this, tag] { M_ParamCClick(tag); });
    }
}

void BattleParameters::showParameterTexts() {
    buttons_[0]->setToolTip(QString::fromStdString(settings_.BattleParamA));
    buttons_[1]->setToolTip(QString::fromStdString(settings_.BattleParamB));
    buttons_[2]->setToolTip(QString::fromStdString(settings_.BattleParamC));
}

void BattleParameters::showSelection() {
    if (settings_.DefaultBattleParam != 1 && settings_.DefaultBattleParam != 2) {
        settings_.DefaultBattleParam = 0;
    }
    const auto index = static_cast<std::size_t>(settings_.DefaultBattleParam);
    items_[index]->setChecked(true);
    buttons_[index]->setChecked(true);
}

void BattleParameters::M_ParamCClick(int tag) {
    settings_.DefaultBattleParam = tag;
    showSelection();
}

} // namespace zorvik::gui
