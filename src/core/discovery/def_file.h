#pragma once

#include <optional>
#include <string>

#include "core/catalogue/character_sources.h"

namespace zorvik {

// What a character's .def file tells about its character.
struct DefIdentity {
    std::string name;
    std::string displayName;
    std::string versionDate;
    std::string mugenVersion;
    std::string author;
    std::string sprite;
    std::string fileName; // the .def file's own name, decoded as folder names are
};

// Reads the [Info] and [Files] keys registration uses from the .def file at
// path; none when it has no Name.
std::optional<DefIdentity> readDefFile(const std::string& path);

// What the catalogue keeps of a .def to recognise its character elsewhere.
CharacterSource characterSource(const DefIdentity& identity);

} // namespace zorvik
