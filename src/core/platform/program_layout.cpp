#include "core/platform/program_layout.h"

// Compiled twice: as it stands for the portable layout, and with these set
// for the installed one.
#ifndef ZORVIK_INSTALLED_LAYOUT
#define ZORVIK_INSTALLED_LAYOUT 0
#endif
#ifndef ZORVIK_PLUGINS_FROM_EXECUTABLE
#define ZORVIK_PLUGINS_FROM_EXECUTABLE "ArchiverDLLs"
#endif

namespace zorvik::platform {

ProgramLayout programLayout() {
    return {ZORVIK_INSTALLED_LAYOUT != 0, ZORVIK_PLUGINS_FROM_EXECUTABLE};
}

} // namespace zorvik::platform
