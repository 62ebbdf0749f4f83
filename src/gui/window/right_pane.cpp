#include "gui/window/right_pane.h"

#include <algorithm>

#include "core/platform/user_messages.h"
#include "gui/detail/detail_pane.h"
#include "gui/portrait/portrait_pane.h"

namespace zorvik::gui {

namespace {

// The designed places: the portrait box's corner, and the top of the grid's frame.
constexpr int kPortraitLeft = 24;
constexpr int kPortraitTop = 24;
constexpr int kDetailTop = 179;

} // namespace

RightPane::RightPane(Kel_CharacterDb& db, SettingsOwner& settings, EditorMessages& messages,
                     Choosers& choosers, StatusMessages& statusBar, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("Panel4"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    Img = new PortraitPane(db, settings, messages, choosers, this);
    Img->move(kPortraitLeft, kPortraitTop);
    detail_ = new DetailPane(db, settings, messages, statusBar, *Img, this);
}

void RightPane::followList(const CharacterListPane& list) {
    Img->followList(list);
    detail_->followList(list);
}

void RightPane::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    detail_->setGeometry(0, kDetailTop, width(), std::max(0, height() - kDetailTop));
}

} // namespace zorvik::gui
