#include "gui/portrait/portrait_pane.h"

#include <cstdio>

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "core/platform/file_io.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "gui/app/settings_owner.h"
#include "gui/list/character_list_pane.h"
#include "gui/platform/choosers.h"

namespace zorvik::gui {

namespace {

// The size an image is drawn at in the box: its own when it fits, scaled
// to the box's height or width (keeping its aspect) when only one side is
// too long, and stretched to the whole box when both are.
QSize fittedSize(QSize image, QSize box) {
    const qint64 w = image.width();
    const qint64 h = image.height();
    if (w <= box.width() && h <= box.height()) {
        return image;
    }
    if (w <= box.width()) {
        return {static_cast<int>(box.height() * w / h), box.height()};
    }
    if (h <= box.height()) {
        return {box.width(), static_cast<int>(box.width() * h / w)};
    }
    return box;
}

} // namespace

PortraitPane::PortraitPane(Kel_CharacterDb& db, const SettingsOwner& settings,
                           UserMessages& messages, Choosers& choosers, QWidget* parent)
    : QWidget(parent), store_(db), settings_(settings), messages_(messages), choosers_(choosers) {
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
        drawNoImage(painter);
    } else if (!portraitImage_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), fittedSize(portraitImage_.size(), size())),
                          portraitImage_);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PortraitPane::drawNoImage(QPainter& painter) const {
    painter.setPen(palette().color(QPalette::Highlight));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("No Image"));
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
    portraitImage_ = QImage();
    if (!QImageReader(*file).read(&portraitImage_)) {
        messages_.show("ファイルの読み込みに失敗しました。");
        hasImage_ = false;
        update();
        return;
    }
    const auto temporaryFile = saveTemporaryPng();
    hasImage_ = temporaryFile.has_value();
    update();
    if (temporaryFile) {
        storeTemporaryPng(*id, *temporaryFile);
        std::remove(temporaryFile->c_str());
    }
}

std::optional<std::string> PortraitPane::saveTemporaryPng() const {
    const auto folder = temporaryFolderInUse(settings_.inUse());
    if (!folder) {
        messages_.show("一時ディレクトリを設定できません");
        return std::nullopt;
    }
    const std::string path = *folder + (folder->back() == '/' ? "" : "/") + kTemporaryFileName;
    // A temporary folder that cannot be written gets no file anywhere else.
    if (!portraitImage_.save(QString::fromStdString(path), "PNG")) {
        messages_.show("書き込みに失敗しました : " + path);
        return std::nullopt;
    }
    return path;
}

void PortraitPane::storeTemporaryPng(std::int64_t id, const std::string& temporaryFile) {
    std::vector<std::uint8_t> png;
    if (!platform::readWholeFile(temporaryFile, png)) {
        messages_.show("書き込みに失敗しました : " + temporaryFile);
        return;
    }
    const CatalogueStatus written = store_.writeById(id, png);
    if (!written) {
        messages_.show("書き込みに失敗しました : " + written.error);
    }
}

} // namespace zorvik::gui
