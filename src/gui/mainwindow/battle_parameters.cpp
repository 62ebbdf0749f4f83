#include "gui/mainwindow/battle_parameters.h"

#include <QAction>
#include <QToolButton>

#include "gui/app/settings_owner.h"

namespace zorvik::gui {

BattleParameters::BattleParameters(SettingsOwner& settings, const std::array<QAction*, 3>& items,
                                   const std::array<QToolButton*, 3>& buttons, QObject* parent)
    : QObject(parent), settings_(settings), items_(items), buttons_(buttons) {
    for (int tag = 0; tag < 3; ++tag) {
        const auto index = static_cast<std::size_t>(tag);
        connect(items_[index], &QAction::triggered, this, [this, tag] { M_ParamCClick(tag); });
        connect(buttons_[index], &QToolButton::clicked, this, [this, tag] { M_ParamCClick(tag); });
    }
    connect(&settings_, &SettingsOwner::changed, this, &BattleParameters::showParameterTexts);
}

void BattleParameters::showParameterTexts() {
    const AppSettings& settings = settings_.settings();
    buttons_[0]->setToolTip(QString::fromStdString(settings.BattleParamA));
    buttons_[1]->setToolTip(QString::fromStdString(settings.BattleParamB));
    buttons_[2]->setToolTip(QString::fromStdString(settings.BattleParamC));
}

void BattleParameters::showSelection() {
    int& selected = settings_.values().DefaultBattleParam;
    if (selected != 1 && selected != 2) {
        selected = 0;
    }
    const auto index = static_cast<std::size_t>(selected);
    items_[index]->setChecked(true);
    buttons_[index]->setChecked(true);
}

void BattleParameters::M_ParamCClick(int tag) {
    settings_.values().DefaultBattleParam = tag;
    showSelection();
}

} // namespace zorvik::gui
