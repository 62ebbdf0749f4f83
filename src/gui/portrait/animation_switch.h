#pragma once

#include <cstdint>
#include <optional>

#include <QObject>
#include <QString>

#include "gui/portrait/animation_loader.h"
#include "gui/portrait/animation_player.h"

class QPainter;
class QToolButton;
class QWidget;

namespace zorvik::gui {

// The portrait box's switch between the portrait and the standing
// animation: a small button beside the box, or the key M while the box
// has the focus; remembered in Settings.ini. While it is on, the selected
// character's action 0 is read in the background and played in the box;
// a character without one keeps its portrait, and toolTip() says why.
class AnimationSwitch : public QObject {
    Q_OBJECT
public:
    AnimationSwitch(QWidget& box, Kel_CharacterDb& db, SettingsOwner& settings);

    bool isOn() const;
    void toggle();
    // The record the box now shows.
    void select(std::int64_t id);

    // True when the box draws a frame instead of the portrait.
    bool showsFrame() const { return isOn() && player_->currentFrame() != nullptr; }
    // Draws the current frame scaled down (never up) to fit box, its
    // proportions kept, standing on the box's bottom edge.
    void paint(QPainter& painter, const QRect& box) const;
    // Why the portrait is shown although the switch is on; empty otherwise.
    QString toolTip() const;

    QToolButton* button() const { return button_; }
    AnimationLoader& loader() const { return *loader_; }
    AnimationPlayer& player() const { return *player_; }

signals:
    // The frame, the tool tip or the switch changed.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followSetting();
    void switchTo(bool on);
    void start();
    void placeButton();
    void takeFrames(std::int64_t id, std::shared_ptr<const AnimationFrames> frames);
    void takeProblem(std::int64_t id, const QString& reason);

    QWidget& box_;
    SettingsOwner& settings_;
    QToolButton* button_ = nullptr;
    AnimationLoader* loader_ = nullptr;
    AnimationPlayer* player_ = nullptr;
    std::optional<std::int64_t> selected_;
    bool loading_ = false;
    QString problem_;
};

} // namespace zorvik::gui
