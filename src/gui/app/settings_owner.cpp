#include "gui/app/settings_owner.h"

#include <utility>

namespace zorvik::gui {

SettingsOwner::SettingsOwner(AppSettings initial, QObject* parent)
    : QObject(parent), settings_(std::move(initial)) {}

void SettingsOwner::store(const AppSettings& settings) {
    settings_ = settings;
    emit changed();
}

void SettingsOwner::addFighter(const std::string& line) {
    settings_.FighterList.push_back(line);
    emit fightersChanged();
}

void SettingsOwner::setDefaultBattleParam(int set) {
    settings_.DefaultBattleParam = (set == 1 || set == 2) ? set : 0;
    emit battleParamChanged();
}

} // namespace zorvik::gui
