#pragma once

#include <array>

#include <QObject>

class QAction;
class QToolButton;
class QWidget;

namespace zorvik::gui {

class SettingsOwner;

// The battle parameter set in use (DefaultBattleParam, 0 to 2 for A to C):
// the radio items M_ParamA to M_ParamC and the grouped tool buttons
// ToolButton3 to ToolButton5 always show the same set. The buttons' hints
// follow the parameter texts whenever the settings change. The items'
// shortcuts Ctrl+A to Ctrl+C choose a set while no text field of the window
// has the focus.
class BattleParameters : public QObject {
    Q_OBJECT
public:
    BattleParameters(SettingsOwner& settings, const std::array<QAction*, 3>& items,
                     const std::array<QToolButton*, 3>& buttons, QWidget* window);

    // The tool buttons' hints become the three parameter texts.
    void showParameterTexts();
    // Marks the item and presses the button of the set in DefaultBattleParam
    // (also whenever the set changes).
    void showSelection();

public slots:
    // パラメータA, B or C (M_ParamA to M_ParamC, ToolButton3 to ToolButton5):
    // a set chosen by its item or button (tag 0, 1 or 2).
    void M_ParamCClick(int tag);

private:
    SettingsOwner& settings_;
    std::array<QAction*, 3> items_;
    std::array<QToolButton*, 3> buttons_;
};

} // namespace zorvik::gui
