#include "gui/portrait/animation_switch.h"

#include <algorithm>

#include <QEvent>
#include <QPainter>
#include <QToolButton>
#include <QWidget>

#include "gui/app/settings_owner.h"

namespace zorvik::gui {

namespace {

constexpr int kButtonSize = 20;
constexpr int kButtonGap = 3;

} // namespace

AnimationSwitch::AnimationSwitch(QWidget& box, Kel_CharacterDb& db, SettingsOwner& settings)
    : QObject(&box), box_(box), settings_(settings) {
    // Beside the box, not on it: the box's picture stays whole.
    button_ = new QToolButton(box.parentWidget() ? box.parentWidget() : &box);
    button_->setObjectName(QStringLiteral("AnimationSwitch"));
    button_->setText(QStringLiteral("▶"));
    button_->setCheckable(true);
    button_->setChecked(settings.settings().ShowStandingAnimation);
    button_->setFixedSize(kButtonSize, kButtonSize);
    button_->setToolTip(tr("立ちアニメーション表示 (M)"));
    button_->setAccessibleName(tr("立ちアニメーション表示"));
    button_->setAccessibleDescription(tr("画像の欄で立ちアニメーションと画像を切り替えます"));
    connect(button_, &QToolButton::toggled, this, &AnimationSwitch::switchTo);
    loader_ = new AnimationLoader(db, settings, this);
    connect(loader_, &AnimationLoader::loaded, this, &AnimationSwitch::takeFrames);
    connect(loader_, &AnimationLoader::failed, this, &AnimationSwitch::takeProblem);
    player_ = new AnimationPlayer(box);
    connect(player_, &AnimationPlayer::frameChanged, this, &AnimationSwitch::changed);
    // Settings.ini is read after the panes are built, and the settings
    // dialog may replace it: the button follows the setting.
    connect(&settings, &SettingsOwner::changed, this, &AnimationSwitch::followSetting);
    box.installEventFilter(this);
    placeButton();
}

void AnimationSwitch::followSetting() {
    button_->setChecked(settings_.settings().ShowStandingAnimation);
}

bool AnimationSwitch::isOn() const {
    return button_->isChecked();
}

void AnimationSwitch::toggle() {
    button_->toggle();
}

void AnimationSwitch::select(std::int64_t id) {
    // The same record loaded again (after an edit) keeps playing.
    if (selected_ == id && (loading_ || player_->frames())) {
        return;
    }
    selected_ = id;
    start();
}

void AnimationSwitch::switchTo(bool on) {
    settings_.setShowStandingAnimation(on);
    start();
}

void AnimationSwitch::start() {
    // The frames of the character shown before are let go at once.
    player_->play(nullptr);
    problem_.clear();
    loading_ = isOn() && selected_.has_value();
    if (loading_) {
        loader_->load(*selected_);
    } else {
        loader_->forget();
    }
    emit changed();
}

void AnimationSwitch::takeFrames(std::int64_t id, std::shared_ptr<const AnimationFrames> frames) {
    if (selected_ != id || !isOn()) {
        return;
    }
    loading_ = false;
    player_->play(std::move(frames));
}

void AnimationSwitch::takeProblem(std::int64_t id, const QString& reason) {
    if (selected_ != id || !isOn()) {
        return;
    }
    loading_ = false;
    problem_ = reason;
    emit changed();
}

QString AnimationSwitch::toolTip() const {
    return isOn() && !problem_.isEmpty()
               ? tr("立ちアニメーションを表示できません：%1").arg(problem_)
               : QString();
}

void AnimationSwitch::paint(QPainter& painter, const QRect& box) const {
    const QImage& frame = *player_->currentFrame();
    const double scale = std::min({1.0, static_cast<double>(box.width()) / frame.width(),
                                   static_cast<double>(box.height()) / frame.height()});
    QRectF target(0, 0, frame.width() * scale, frame.height() * scale);
    target.moveCenter(QRectF(box).center());
    target.moveBottom(box.y() + box.height());
    painter.fillRect(box, box_.palette().color(QPalette::Base));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1.0);
    painter.drawImage(target, frame);
}

bool AnimationSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        placeButton();
    } else if (event->type() == QEvent::Show) {
        followSetting();
    }
    return QObject::eventFilter(watched, event);
}

void AnimationSwitch::placeButton() {
    if (button_->parentWidget() != &box_) {
        button_->move(box_.geometry().right() + 1 + kButtonGap, box_.geometry().top());
    }
}

} // namespace zorvik::gui
