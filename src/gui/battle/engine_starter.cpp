#include "gui/battle/engine_starter.h"

#include <cstdlib>

#include <QStringList>

#include "core/launch/battle_command.h"
#include "core/launch/executable_files.h"
#include "core/platform/user_messages.h"
#include "core/text/message.h"
#include "gui/app/settings_owner.h"
#include "gui/platform/shell.h"

namespace zorvik::gui {

namespace {

QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

std::string pathVariable() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "";
}

} // namespace

EngineStarter::EngineStarter(const SettingsOwner& settings, UserMessages& messages, Shell& shell)
    : settings_(settings), messages_(messages), shell_(shell) {}

bool EngineStarter::engineExists() const {
    return launch::isExistingFile(settings_.inUse().MugenExeFile);
}

const std::string& EngineStarter::parameterText() const {
    const AppSettings& settings = settings_.inUse();
    switch (settings.DefaultBattleParam) {
    case 1:
        return settings.BattleParamB;
    case 2:
        return settings.BattleParamC;
    default:
        return settings.BattleParamA;
    }
}

void EngineStarter::startBattle(const std::string& fileName, const std::string& opponent) {
    const launch::BattleCommand command = launch::makeBattleCommand(
        {settings_.inUse().MugenExeFile, fileName, opponent, parameterText(), pathVariable()});
    switch (command.problem) {
    case launch::BattleProblem::ParametersTooLong:
        messages_.show(tr("対戦パラメータが長すぎます\n"
                          "キャラ名と対戦パラメータを合わせて%1バイト以内にしてください")
                           .arg(launch::kBattleParameterLimit)
                           .toStdString());
        return;
    case launch::BattleProblem::WineMissing:
        messages_.show(tr("Windows用のMUGENを起動するにはwineが必要です\n"
                          "wineをインストールしてください")
                           .toStdString());
        return;
    case launch::BattleProblem::None:
        break;
    }
    const launch::ProgramStart& start = command.start;
    const ProgramStartResult result =
        shell_.startDetached(QString::fromStdString(start.program), toQStringList(start.arguments),
                             QString::fromStdString(start.workingFolder));
    if (!result.started) {
        // The program's path as its own bytes, which may not be UTF-8.
        messages_.show(withArguments(tr("MUGENを起動できませんでした\n%1\n%2").toStdString(),
                                     {start.program, result.error.toStdString()}));
    }
}

} // namespace zorvik::gui
