#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "core/animation/animation_clock.h"
#include "gui/portrait/animation_frames.h"

class QWidget;

namespace zorvik::gui {

// Plays frames at the engine's 60 ticks a second, looping from the loop
// start and holding a frame of time -1. It runs only while the widget it
// watches is visible in a window that is not minimised, and goes on from
// where it stopped.
class AnimationPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int kTicksPerSecond = 60;

    explicit AnimationPlayer(QWidget& shownIn);

    // Plays frames from their first tick; none stops and forgets them.
    void play(std::shared_ptr<const AnimationFrames> frames);

    const AnimationFrames* frames() const { return frames_.get(); }
    // The frame to draw now; nullptr while there are no frames.
    const QImage* currentFrame() const;
    bool isRunning() const { return timer_.isActive(); }
    // Ticks played since play().
    std::uint64_t tick() const;

signals:
    void frameChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void advance();
    bool canRun() const;

    QWidget& shownIn_;
    std::shared_ptr<const AnimationFrames> frames_;
    std::optional<AnimationClock> clock_;
    QTimer timer_;
    QElapsedTimer running_;   // since the last start
    std::uint64_t ticksBefore_ = 0; // played before the last start
    std::size_t shown_ = 0;
};

} // namespace zorvik::gui
