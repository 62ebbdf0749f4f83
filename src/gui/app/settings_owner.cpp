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
    emit modified();
}

void SettingsOwner::addFighter(const std::string& line) {
    settings_.FighterList.push_back(line);
    takeNewValues();
    emit fightersChanged();
    emit modified();
}

void SettingsOwner::setDefaultBattleParam(int set) {
    settings_.DefaultBattleParam = (set == 1 || set == 2) ? set : 0;
    takeNewValues();
    emit battleParamChanged();
    emit modified();
}

void SettingsOwner::setPortraitGrid(bool shown) {
    if (settings_.PortraitGrid != shown) {
        settings_.PortraitGrid = shown;
        inUse_.PortraitGrid = shown;
        emit modified();
    }
}

void SettingsOwner::setShowStandingAnimation(bool on) {
    if (settings_.ShowStandingAnimation != on) {
        settings_.ShowStandingAnimation = on;
        inUse_.ShowStandingAnimation = on;
        emit modified();
    }
}

} // namespace zorvik::gui
