#include "gui/app/settings_owner.h"

namespace zorvik::gui {

void SettingsOwner::store(const AppSettings& settings) {
    settings_ = settings;
    emit changed();
}

void SettingsOwner::addFighter(const std::string& line) {
    settings_.FighterList.push_back(line);
    emit fightersChanged();
}

} // namespace zorvik::gui
