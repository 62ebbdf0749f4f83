#pragma once

#include <string>

namespace zorvik::test {

// The identity a fixture character's .def file declares.
struct DefFields {
    std::string name = "Kung Fu Man";
    std::string displayName = "Kung Fu Man";
    std::string author = "Elecbyte";
    std::string versionDate = "04,14,2002";
    std::string mugenVersion = "04,14,2002";
    std::string sprite = "kfm.sff";
};

// A .def file as character authors write them: CR LF, blanks around '=',
// quoted names and comments.
std::string defText(const DefFields& fields);

// A small SFF version 1 file whose sprite (group, image) is a 4 x 3
// picture with pixel value fill.
std::string portraitSff(int group = 9000, int image = 1, int fill = 7);

} // namespace zorvik::test
