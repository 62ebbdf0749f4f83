#pragma once

#include <optional>

class QString;
class QWidget;

namespace zorvik::gui {

// What a list update needs of the window it runs for: where its progress
// dialog belongs, the status text, the number of rows it newly marked
// missing, and the list to rebuild when the catalogue changed.
class ListUpdateHost {
public:
    virtual ~ListUpdateHost();

    virtual QWidget* ownerWindow() = 0;
    virtual void showStatusText(const QString& text) = 0;
    virtual void startStatusBlink() = 0;
    virtual void reloadList() = 0;
    // After each update, once its counts are shown: the rows newly marked
    // missing; none when the character folder could not be listed.
    virtual void showMissingCount(std::optional<int> newlyMissing) = 0;
};

} // namespace zorvik::gui
