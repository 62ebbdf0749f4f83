#pragma once

#include <string>

#include <QCoreApplication>

namespace zorvik {
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class SettingsOwner;
class Shell;

// Starts the M.U.G.E.N engine (MugenExeFile) for a battle through the
// shell: natively, or through wine for a Windows executable. Every reason
// a battle does not start is shown to the user.
class EngineStarter {
    Q_DECLARE_TR_FUNCTIONS(zorvik::gui::EngineStarter)
public:
    EngineStarter(const SettingsOwner& settings, UserMessages& messages, Shell& shell);

    // True when MugenExeFile names an existing file.
    bool engineExists() const;

    // Starts the engine with the character fileName as player 1 against the
    // opponent line, with the parameter text of the set in use.
    void startBattle(const std::string& fileName, const std::string& opponent);

private:
    const std::string& parameterText() const;

    const SettingsOwner& settings_;
    UserMessages& messages_;
    Shell& shell_;
};

} // namespace zorvik::gui
