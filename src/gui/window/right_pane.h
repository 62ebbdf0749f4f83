#pragma once

#include <QFrame>

namespace zorvik {
class Kel_CharacterDb;
class EditorMessages;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListPane;
class Choosers;
class DetailPane;
class PortraitPane;
class SettingsOwner;
class StatusMessages;

// Panel4, the right-hand pane: the portrait box Img at the top, the detail
// grid with its check box and button below. Both follow the list's
// selection. The window builds it before the list, so that a change of the
// settings renames the grid's labels before the list is rebuilt.
class RightPane : public QFrame {
    Q_OBJECT
public:
    RightPane(Kel_CharacterDb& db, SettingsOwner& settings, EditorMessages& messages,
              Choosers& choosers, StatusMessages& statusBar, QWidget* parent);

    void followList(const CharacterListPane& list);

    DetailPane* detailPane() const { return detail_; }
    PortraitPane* portraitPane() const { return Img; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PortraitPane* Img = nullptr;
    DetailPane* detail_ = nullptr;
};

} // namespace zorvik::gui
