#pragma once

#include "gui/platform/shell.h"

namespace zorvik::gui {

// The Shell of the running program, through QDesktopServices.
class DesktopShell : public Shell {
public:
    bool open(const QUrl& url) override;
};

} // namespace zorvik::gui
