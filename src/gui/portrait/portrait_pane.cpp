#include "gui/portrait/portrait_pane.h"

#include <cstdio>
#include <utility>

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "core/platform/file_io.h"
#include "core/platform/folders.h"
#include "core/platform/user_messages.h"
#include "gui/app/settings_owner.h"
#include "gui/list/character_list_pane.h"
#include "gui/platform/choosers.h"
#include "gui/portrait/portrait_drawing.h"

namespace zorvik::gui {

PortraitPane::PortraitPane(Kel_CharacterDb& db, const SettingsOwner& settings,
                           UserMessages& messages, Choosers& choosers, std::string programFolder,
                           QWidget* parent)
    : QWidget(parent), store_(db), settings_(settings), messages_(messages), choosers_(choosers),
      programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("Img"));
    setAccessibleName(QStringLiteral("キャラクターの画像"));
    setAccessibleDescription(QStringLiteral("クリックすると画像ファイルで置き換えます"));
    setFixedSize(kDesignedWidth, kDesignedHeight);
    setFocusPolicy(Qt::TabFocus);
}

bool PortraitPane::LoadPortrait(std::int64_t id) {
    hasImage_ = false;
    const PortraitRead read = store_.readById(id);
    update();
    if (!read.opened) {
        return false;
    }
    if (read.readFailed) {
        messages_.show("データ読み込みエラー");
    }
    if (read.closeError != 0) {
        messages_.show("画像データ取得処理のクローズ中にエラーが発生しました。(" +
                       std::to_string(read.closeError) + ")");
    }
    if (!read.bytes.empty()) {
        // A copy of its own: the image outlives the bytes it was decoded from.
        portraitImage_ = QImage::fromData(read.bytes.data(), static_cast<int>(read.bytes.size()));
        // Bytes that do not decode leave an empty image: the box then draws nothing.
        hasImage_ = true;
    }
    return true;
}

void PortraitPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!hasImage_) {
        drawNoImage(painter, rect(), palette());
    } else {
        drawPortrait(painter, portraitImage_, rect());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PortraitPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        ImgClick();
    }
}

void PortraitPane::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) {
        ImgClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PortraitPane::ImgClick() {
    const int row = list_ != nullptr ? list_->selectedRow() : -1;
    const auto id = list_ != nullptr ? list_->idOfRow(row) : std::nullopt;
    if (!id) {
        return;
    }
    const auto file =
        choosers_.chooseFileToOpen(this, QString(), QString(), QString::fromUtf8(kImageFilter));
    if (!file) {
        return;
    }
    // Until the replacement is written, the stored portrait stays on show.
    QImage chosen;
    if (!QImageReader(*file).read(&chosen)) {
        messages_.show("ファイルの読み込みに失敗しました。");
        return;
    }
    const QImage stored = std::exchange(portraitImage_, chosen);
    if (saveTemporaryPng()) {
        hasImage_ = true;
        storeTemporaryPng(*id);
        emit portraitReplaced(*id);
        update();
        std::remove(kTemporaryFileName);
    } else {
        portraitImage_ = stored;
    }
    platform::setCurrentFolder(programFolder_);
}

bool PortraitPane::saveTemporaryPng() const {
    // A temporary folder that cannot be entered gets no file anywhere else.
    return platform::setCurrentFolder(settings_.settings().TempDir) &&
           portraitImage_.save(QString::fromUtf8(kTemporaryFileName), "PNG");
}

void PortraitPane::storeTemporaryPng(std::int64_t id) {
    std::vector<std::uint8_t> png;
    if (!platform::readWholeFile(kTemporaryFileName, png)) {
        messages_.show(std::string("書き込みに失敗しました : ") + kTemporaryFileName);
        return;
    }
    const CatalogueStatus written = store_.writeById(id, png);
    if (!written) {
        messages_.show("書き込みに失敗しました : " + written.error);
    }
}

} // namespace zorvik::gui
