#pragma once

#include <optional>
#include <string>

namespace zorvik {

// The name of the .def file registration takes for a character folder: the
// first top-level .def file in listing order (letter case ignored) whose
// [Info] section has a Name. Decoded from CP932 when the name on disk is
// not UTF-8; none when no .def file of the folder has a Name.
std::optional<std::string> findCharacterDefName(const std::string& characterFolder);

} // namespace zorvik
