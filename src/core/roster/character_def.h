#pragma once

#include <optional>
#include <string>

namespace zorvik {

// The name of the .def file registration takes for a character folder: the
// first top-level .def file in listing order (letter case ignored) whose
// [Info] section has a Name. Decoded from CP932 when the name on disk is
// not UTF-8; none when no .def file of the folder has a Name.
std::optional<std::string> findCharacterDefName(const std::string& characterFolder);

// How the engine is given a character of the catalogue, for a battle or the
// opponents list: a top-level character or an archive by its FILENAME, a
// folder in a group folder by the relative path of its .def ("KOF/kyo/kyo.def",
// the .def registration takes, else the folder's name with .def), since the
// engine finds a bare name only at the top level.
std::string engineCharacterPath(const std::string& mainDir, const std::string& fileName,
                                int fileType);

// The FILENAME a path of engineCharacterPath stands for: the folder that
// holds the .def of a path in a group folder ("KOF/kyo" for
// "KOF/kyo/kyo.def"), else the path itself.
std::string fileNameOfEnginePath(const std::string& enginePath);

} // namespace zorvik
