#pragma once

class QUrl;

namespace zorvik::gui {

// The desktop's shell: opens web pages and folders with the user's programs.
// Tests put a recording fake in its place.
class Shell {
public:
    virtual ~Shell();

    // Opens the address with the desktop's handler for it; false when none took it.
    virtual bool open(const QUrl& url) = 0;
};

} // namespace zorvik::gui
