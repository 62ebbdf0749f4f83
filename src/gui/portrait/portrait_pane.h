#pragma once

#include <cstdint>
#include <string>

#include <QImage>
#include <QWidget>

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

// Img, the portrait box: shows the portrait of the record on show, fitted
// into the box from its top-left corner, or "No Image". A click (or Space
// while it has the focus) replaces the selected character's portrait with
// an image file of the user's choice, stored as PNG. A switch beside the
// box (or M) plays the character's standing animation in its place.
class PortraitPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignedWidth = 289;
    static constexpr int kDesignedHeight = 140;
    static constexpr const char* kImageFilter =
        "Image|*.bmp;*.png;*.jpg;*.tif;*.emf;*.gif;|all|*.*";
    static constexpr const char* kTemporaryFileName = "tempimage.png";

    // The replacement goes through the temporary folder of the settings and
    // ends in programFolder, the program's current folder.
    PortraitPane(Kel_CharacterDb& db, SettingsOwner& settings, UserMessages& messages,
                 Choosers& choosers, std::string programFolder, QWidget* parent);

    // The list whose selected character a click replaces the portrait of.
    void followList(const CharacterListPane& list) { list_ = &list; }

    // Reads the record's IMAGE and decodes it whole. False when the value
    // cannot be opened (no record, NULL, database error).
    bool LoadPortrait(std::int64_t id);

    bool HasImage() const { return hasImage_; }
    const QImage& PortraitImage() const { return portraitImage_; }
    AnimationSwitch& animation() const { return *animation_; }

public slots:
    // ReplacePortrait.
    void ImgClick();

protected:
    // ImgPaint.
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void drawNoImage(QPainter& painter) const;
    bool saveTemporaryPng() const;
    void storeTemporaryPng(std::int64_t id);

    PortraitStore store_;
    const SettingsOwner& settings_;
    UserMessages& messages_;
    Choosers& choosers_;
    std::string programFolder_;
    const CharacterListPane* list_ = nullptr;
    bool hasImage_ = false;
    QImage portraitImage_;
    AnimationSwitch* animation_ = nullptr;
};

} // namespace zorvik::gui
