#pragma once

#include <functional>
#include <optional>

namespace zorvik::test {

// The user id of "nobody", whom the privilege-dropping tests run as.
inline constexpr unsigned kNobody = 65534;

// Runs question in a child process that has given up root's privileges for
// the user nobody, and returns its answer; none when this process is not
// root (nobody cannot be become then) or the child failed to answer.
std::optional<bool> answerAsNobody(const std::function<bool()>& question);

} // namespace zorvik::test
