#include "gui/portrait/portrait_pane.h"

#include <cstdio>
#include <filesystem>
#include <utility>

#include <QFile>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "core/catalogue/columns.h"
#include "core/platform/directory_listing.h"
#include "core/platform/file_io.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "core/text/message.h"
#include "gui/app/settings_owner.h"
#include "gui/list/character_list_pane.h"
#include "gui/portrait/animation_switch.h"
#include "gui/platform/choosers.h"
#include "gui/portrait/portrait_drawing.h"

namespace zorvik::gui {

PortraitPane::PortraitPane(Kel_CharacterDb& db, SettingsOwner& settings, UserMessages& messages,
                           Choosers& choosers, QWidget* parent)
    : QWidget(parent), store_(db), marks_(db), records_(db), settings_(settings),
      messages_(messages), choosers_(choosers) {
    setObjectName(QStringLiteral("Img"));
    setAccessibleName(tr("キャラクターの画像"));
    setAccessibleDescription(tr("クリックすると画像ファイルで置き換えます"));
    setFixedSize(kDesignedWidth, kDesignedHeight);
    setFocusPolicy(Qt::TabFocus);
    animation_ = new AnimationSwitch(*this, db, settings);
    connect(animation_, &AnimationSwitch::changed, this, [this] {
        setToolTip(animation_->toolTip());
        update();
    });
}

bool PortraitPane::LoadPortrait(std::int64_t id) {
    animation_->select(id);
    hasImage_ = false;
    const PortraitRead read = store_.readById(id);
    update();
    if (!read.opened) {
        return false;
    }
    if (read.readFailed) {
        messages_.show(tr("データ読み込みエラー").toStdString());
    }
    if (read.closeError != 0) {
        messages_.show(tr("画像データ取得処理のクローズ中にエラーが発生しました。(%1)")
                           .arg(read.closeError)
                           .toStdString());
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
    if (animation_->showsFrame()) {
        animation_->paint(painter, rect());
    } else if (!hasImage_) {
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
    if (event->key() == Qt::Key_M) {
        animation_->toggle();
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
        choosers_.chooseFileToOpen(this, QString(), characterFolder(*id), tr(kImageFilter));
    if (!file) {
        return;
    }
    // Until the replacement is written, the stored portrait stays on show.
    QImage chosen;
    if (!QImageReader(*file).read(&chosen)) {
        messages_.show(tr("ファイルの読み込みに失敗しました。").toStdString());
        return;
    }
    const QImage stored = std::exchange(portraitImage_, chosen);
    const auto temporaryFile = saveTemporaryPng();
    if (temporaryFile) {
        hasImage_ = true;
        storeTemporaryPng(*id, *temporaryFile);
        emit portraitReplaced(*id);
        update();
        std::remove(temporaryFile->c_str());
    } else {
        portraitImage_ = stored;
    }
}

QString PortraitPane::characterFolder(std::int64_t id) {
    const std::string& mainDir = settings_.inUse().MainDir;
    const auto fileName = records_.columnText(id, kFileNameColumn);
    const auto fileType = records_.columnText(id, kFileTypeColumn);
    if (mainDir.empty() || !fileName || !fileType) {
        return {};
    }
    // As it is on disk (its letter case, a Shift-JIS name); an archive's pictures lie beside it.
    std::filesystem::path folder =
        std::filesystem::path(platform::resolvePathInFolder(mainDir, *fileName)).lexically_normal();
    if (*fileType != "0") {
        folder = folder.parent_path();
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return {};
    }
    // The separator at the end makes the chooser open the folder, not select it.
    return QFile::decodeName(QByteArray::fromStdString(folder.string() + "/"));
}

void PortraitPane::showWriteFailure(const std::string& what) const {
    // The path or the catalogue's error goes in byte for byte, whatever its encoding.
    messages_.show(withArguments(tr("書き込みに失敗しました : %1").toStdString(), {what}));
}

std::optional<std::string> PortraitPane::saveTemporaryPng() const {
    const auto folder = temporaryFolderInUse(settings_.inUse());
    if (!folder) {
        messages_.show(tr("一時ディレクトリを設定できません").toStdString());
        return std::nullopt;
    }
    const std::string path = *folder + (folder->back() == '/' ? "" : "/") + kTemporaryFileName;
    // A temporary folder that cannot be written gets no file anywhere else.
    if (!portraitImage_.save(QString::fromStdString(path), "PNG")) {
        showWriteFailure(path);
        return std::nullopt;
    }
    return path;
}

void PortraitPane::storeTemporaryPng(std::int64_t id, const std::string& temporaryFile) {
    std::vector<std::uint8_t> png;
    if (!platform::readWholeFile(temporaryFile, png)) {
        showWriteFailure(temporaryFile);
        return;
    }
    const CatalogueStatus written = store_.writeById(id, png);
    // Marked, so that a re-capture from the character's files keeps it.
    const CatalogueStatus marked = written ? marks_.markHandSet(id) : written;
    if (!marked) {
        showWriteFailure(marked.error);
    }
}

} // namespace zorvik::gui
