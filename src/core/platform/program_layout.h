#pragma once

namespace zorvik::platform {

// The layout a program is linked for. This room's library holds the portable
// one; the package's programs link the installed one's object before the
// library (see src/core/platform/CMakeLists.txt), so the same objects make
// both the tested programs and the packaged ones.
struct ProgramLayout {
    // The settings and the catalogue in the user's folders, whoever starts it.
    bool installed;
    // The archiver plug-ins' folder, relative to the executable's.
    const char* pluginsFromExecutable;
};

ProgramLayout programLayout();

} // namespace zorvik::platform
