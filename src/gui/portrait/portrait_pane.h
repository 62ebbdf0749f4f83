#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QImage>
#include <QWidget>

#include "core/catalogue/character_records.h"
#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/portrait_store.h"

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class AnimationSwitch;
class CharacterListPane;
class Choosers;
class SettingsOwner;

// Img, the portrait box: shows the portrait of the record on show, centred
// at its own size or scaled down to fit, palette colour 0 transparent; or
// "No Image" for a record without one. A click (or Space
// while it has the focus) replaces the selected character's portrait with
// an image file of the user's choice, stored as PNG. A switch beside the
// box (or M) plays the character's standing animation in its place.
class PortraitPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignedWidth = 289;
    static constexpr int kDesignedHeight = 140;
    static constexpr const char* kImageFilter =
        QT_TR_NOOP("Image|*.bmp;*.png;*.jpg;*.tif;*.emf;*.gif;|all|*.*");
    static constexpr const char* kTemporaryFileName = "tempimage.png";

    // The replacement goes through a PNG file in the temporary folder in use.
    PortraitPane(Kel_CharacterDb& db, SettingsOwner& settings, UserMessages& messages,
                 Choosers& choosers, QWidget* parent);

    // The list whose selected character a click replaces the portrait of.
    void followList(const CharacterListPane& list) { list_ = &list; }

    // Reads the record's IMAGE and decodes it whole. False when the value
    // cannot be opened (no record, NULL, database error).
    bool LoadPortrait(std::int64_t id);

    bool HasImage() const { return hasImage_; }
    const QImage& PortraitImage() const { return portraitImage_; }
    AnimationSwitch& animation() const { return *animation_; }

signals:
    // A replacement of the row's portrait was written (or tried): other
    // views drop what they drew of it.
    void portraitReplaced(std::int64_t id);

public slots:
    // ReplacePortrait.
    void ImgClick();

protected:
    // ImgPaint.
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where the image chooser opens: the folder of the record's character
    // (the one holding it, for an archive); empty when it is not on disk.
    QString characterFolder(std::int64_t id);
    void showWriteFailure(const std::string& what) const;
    // The absolute path of the PNG written; none (after telling the user)
    // when it cannot be written.
    std::optional<std::string> saveTemporaryPng() const;
    void storeTemporaryPng(std::int64_t id, const std::string& temporaryFile);

    PortraitStore store_;
    PortraitMarks marks_;
    CharacterRecords records_;
    const SettingsOwner& settings_;
    UserMessages& messages_;
    Choosers& choosers_;
    const CharacterListPane* list_ = nullptr;
    bool hasImage_ = false;
    QImage portraitImage_;
    AnimationSwitch* animation_ = nullptr;
};

} // namespace zorvik::gui
