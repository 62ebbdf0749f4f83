#pragma once

class QString;
class QWidget;

namespace zorvik::gui {

// What a list update needs of the window it runs for: where its progress
// dialog belongs, the status text, and the list to rebuild when the
// catalogue changed.
class ListUpdateHost {
public:
    virtual ~ListUpdateHost();

    virtual QWidget* ownerWindow() = 0;
    virtual void showStatusText(const QString& text) = 0;
    virtual void startStatusBlink() = 0;
    virtual void reloadList() = 0;
};

} // namespace zorvik::gui
