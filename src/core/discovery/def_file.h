#pragma once

#include <optional>
#include <string>

namespace zorvik {

// What a character's .def file tells about its character.
struct DefIdentity {
    std::string name;
    std::string displayName;
    std::string versionDate;
    std::string mugenVersion;
    std::string author;
    std::string sprite;
};

// Reads the [Info] and [Files] keys registration uses from the .def file at
// path; none when it has no Name.
std::optional<DefIdentity> readDefFile(const std::string& path);

} // namespace zorvik
