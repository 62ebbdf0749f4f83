#pragma once

#include <string>

#include "core/animation/loaded_action.h"

namespace zorvik::cli {

// Why action could not be written, as `frames` says it on standard error.
std::string problemText(const ActionLoad& load, int action);

} // namespace zorvik::cli
