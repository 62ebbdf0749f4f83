#include "support/character_fixture.h"

#include "support/pcx_writer.h"
#include "support/sff_writer.h"

namespace zorvik::test {

std::string defText(const DefFields& fields) {
    return "; the character's definition\r\n"
           "[Info]\r\n"
           "name = \"" +
           fields.name +
           "\" ;the name\r\n"
           "displayname = \"" +
           fields.displayName +
           "\"\r\n"
           "versiondate = " +
           fields.versionDate +
           "\r\n"
           "mugenversion = " +
           fields.mugenVersion +
           "\r\n"
           "author = \"" +
           fields.author +
           "\"\r\n"
           "\r\n"
           "[Files]\r\n"
           "cmd = kfm.cmd\r\n"
           "sprite = " +
           fields.sprite + "\r\n";
}

std::string portraitSff(int group, int image, int fill) {
    PcxPicture picture{4, 3, std::vector<std::uint8_t>(12, static_cast<std::uint8_t>(fill)),
                       distinctPalette()};
    SffFile file;
    file.subfiles.push_back(SffSubfile::sprite(0, 0, picture.pcx()));
    file.subfiles.push_back(SffSubfile::sprite(static_cast<std::int16_t>(group),
                                               static_cast<std::int16_t>(image), picture.pcx()));
    return file.bytes();
}

} // namespace zorvik::test
