#pragma once

#include <functional>

class QWidget;

namespace zorvik::gui {

class StatusMessages;

// The window as every long job reaches it: the owner of the job's progress
// dialog, the status bar and the character list. Used on the UI thread only.
struct JobPanes {
    QWidget* window;
    StatusMessages& status;
    // Rebuilds the character list from the catalogue.
    std::function<void()> reloadList;
};

} // namespace zorvik::gui
