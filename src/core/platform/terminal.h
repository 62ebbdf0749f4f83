#pragma once

#include <cstdio>

namespace zorvik::platform {

// True when stream writes to a terminal (where a progress bar may redraw its line).
bool isTerminal(std::FILE* stream);

} // namespace zorvik::platform
