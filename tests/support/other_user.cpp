#include "support/other_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zorvik::test {

std::optional<bool> answerAsNobody(const std::function<bool()>& question) {
    if (geteuid() != 0) {
        return std::nullopt;
    }
    const pid_t child = fork();
    if (child == 0) {
        const gid_t group = kNobody;
        // Groups first: once the user is nobody it may no longer change them.
        if (setgroups(1, &group) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(question() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) > 1) {
        return std::nullopt;
    }
    return WEXITSTATUS(status) == 0;
}

} // namespace zorvik::test
