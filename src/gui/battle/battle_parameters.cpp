#include "gui/battle/battle_parameters.h"

#include <QAction>
#include <QToolButton>

#include "gui/app/settings_owner.h"
#include "gui/battle/text_field_keys.h"

namespace zorvik::gui {

BattleParameters::BattleParameters(SettingsOwner& settings, const std::array<QAction*, 3>& items,
                                   const std::array<QToolButton*, 3>& buttons, QWidget* window)
    : QObject(window), settings_(settings), items_(items), buttons_(buttons) {
    QList<QKeySequence> keys;
    for (int tag = 0; tag < 3; ++tag) {
        const auto index = static_cast<std::size_t>(tag);
        connect(items_[index], &QAction::triggered, this, [this, tag] { M_ParamCClick(tag); });
        connect(buttons_[index], &QToolButton::clicked, this, [this, tag] { M_ParamCClick(tag); });
        keys << items_[index]->shortcut();
    }
    new TextFieldKeys(*window, keys);
    connect(&settings_, &SettingsOwner::changed, this, &BattleParameters::showParameterTexts);
    connect(&settings_, &SettingsOwner::battleParamChanged, this, &BattleParameters::showSelection);
}

void BattleParameters::showParameterTexts() {
    const AppSettings& settings = settings_.settings();
    const std::array<const std::string*, 3> texts = {&settings.BattleParamA, &settings.BattleParamB,
                                                     &settings.BattleParamC};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString text = QString::fromStdString(*texts[i]);
        buttons_[i]->setToolTip(text);
        // The button is named by its set; the text it passes describes it.
        buttons_[i]->setAccessibleDescription(text);
    }
}

void BattleParameters::showSelection() {
    const int set = settings_.settings().DefaultBattleParam;
    const auto index = static_cast<std::size_t>(set == 1 || set == 2 ? set : 0);
    items_[index]->setChecked(true);
    buttons_[index]->setChecked(true);
}

void BattleParameters::M_ParamCClick(int tag) {
    settings_.setDefaultBattleParam(tag);
}

} // namespace zorvik::gui
