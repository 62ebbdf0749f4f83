#include "gui/app/settings_owner.h"

#include <utility>

namespace zorvik::gui {

SettingsOwner::SettingsOwner(AppSettings initial, std::string pathFolder, QObject* parent)
    : QObject(parent), settings_(std::move(initial)), pathFolder_(std::move(pathFolder)) {
    takeNewValues();
}

void SettingsOwner::takeNewValues() {
    inUse_ = withPathsFrom(settings_, pathFolder_);
}

void SettingsOwner::store(const AppSettings& settings) {
    settings_ = settings;
    takeNewValues();
    emit changed();
}

void SettingsOwner::addFighter(const std::string& line) {
    settings_.FighterList.push_back(line);
    takeNewValues();
    emit fightersChanged();
}

void SettingsOwner::setDefaultBattleParam(int set) {
    settings_.DefaultBattleParam = (set == 1 || set == 2) ? set : 0;
    takeNewValues();
    emit battleParamChanged();
}

} // namespace zorvik::gui
