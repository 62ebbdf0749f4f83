#include "core/platform/stdout_redirect.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace zorvik::platform {

StdoutRedirect::StdoutRedirect(int target) : saved_(dup(STDOUT_FILENO)) {
    std::fflush(stdout);
    const int sink = target == kDiscard ? open("/dev/null", O_WRONLY | O_CLOEXEC) : target;
    if (sink >= 0) {
        dup2(sink, STDOUT_FILENO);
    }
    if (target == kDiscard && sink >= 0) {
        close(sink);
    }
}

StdoutRedirect::~StdoutRedirect() {
    std::fflush(stdout);
    if (saved_ >= 0) {
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }
}

} // namespace zorvik::platform
