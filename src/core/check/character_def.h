#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorvik {

// A file a character's .def names in its [Files] section.
struct FileReference {
    std::string key;   // as asked for: "cmd", "st3", "pal12"
    std::string value; // the cleaned value: a Windows path relative to the .def's folder
};

// The .def file the engine and the catalogue take a character from.
struct CharacterDef {
    std::string path;                 // on disk
    std::string name;                 // the file name, UTF-8
    std::vector<FileReference> files; // the keys that are set, in fileReferenceKeys() order
};

// The [Files] keys that name files the engine loads.
const std::vector<std::string>& fileReferenceKeys();

// The .def registration takes from a character's top-level .def files
// (given in listing order): the first with an [Info] Name, with its
// [Files] entries; none when no .def has a Name. Registration reads the
// same file with its own reader.
std::optional<CharacterDef> readCharacterDef(const std::vector<std::string>& defFiles);

} // namespace zorvik
