#include "gui/portrait/animation_player.h"

#include <QEvent>
#include <QWidget>

namespace zorvik::gui {

AnimationPlayer::AnimationPlayer(QWidget& shownIn) : QObject(&shownIn), shownIn_(shownIn) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1000 / kTicksPerSecond);
    connect(&timer_, &QTimer::timeout, this, &AnimationPlayer::advance);
    // The widget's own showing and hiding, and its window's minimising.
    shownIn_.installEventFilter(this);
    shownIn_.window()->installEventFilter(this);
}

void AnimationPlayer::play(std::shared_ptr<const AnimationFrames> frames) {
    timer_.stop();
    frames_ = std::move(frames);
    clock_.reset();
    if (frames_ && !frames_->frames.empty()) {
        clock_.emplace(frames_->action);
    } else {
        frames_.reset();
    }
    ticksBefore_ = 0;
    shown_ = 0;
    follow();
    emit frameChanged();
}

const QImage* AnimationPlayer::currentFrame() const {
    return frames_ ? &frames_->frames[shown_] : nullptr;
}

std::uint64_t AnimationPlayer::tick() const {
    const auto elapsed = timer_.isActive() ? static_cast<std::uint64_t>(running_.elapsed()) : 0;
    return ticksBefore_ + elapsed * kTicksPerSecond / 1000;
}

bool AnimationPlayer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowStateChange) {
        follow();
    }
    return QObject::eventFilter(watched, event);
}

bool AnimationPlayer::canRun() const {
    return frames_ && shownIn_.isVisible() &&
           !(shownIn_.window()->windowState() & Qt::WindowMinimized);
}

void AnimationPlayer::follow() {
    const bool run = canRun();
    if (run && !timer_.isActive()) {
        running_.start();
        timer_.start();
    } else if (!run && timer_.isActive()) {
        // The ticks played so far are kept, so the animation goes on where it stopped.
        ticksBefore_ = tick();
        timer_.stop();
    }
}

void AnimationPlayer::advance() {
    const std::size_t frame = clock_->frameAt(tick());
    if (frame != shown_) {
        shown_ = frame;
        emit frameChanged();
    }
}

} // namespace zorvik::gui
