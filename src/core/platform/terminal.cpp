#include "core/platform/terminal.h"

#include <unistd.h>

namespace zorvik::platform {

bool isTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

} // namespace zorvik::platform
