#include "core/check/character_def.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/discovery/def_file.h"
#include "support/temp_folder.h"
#include "support/waiting_fifo.h"

namespace zorvik {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

MATCHER_P2(Names, key, value, "") {
    return arg.key == key && arg.value == value;
}

// Registration's reading and the check's both refuse a .def that leads to a
// device or FIFO before opening it: opening some devices has effects.
TEST(CharacterDef, ADefLinkedToADeviceIsRefusedUnopenedByTheCheckAndRegistration) {
    test::TempFolder temp;
    const test::WaitingFifo fifo(temp.file("pipe"));
    std::filesystem::create_symlink(fifo.path(), temp.file("kfm.def"));
    std::filesystem::create_symlink("/dev/zero", temp.file("zero.def"));
    EXPECT_FALSE(readCharacterDef({temp.file("kfm.def"), temp.file("zero.def")}));
    EXPECT_FALSE(readDefFile(temp.file("kfm.def")));
    EXPECT_FALSE(readDefFile(temp.file("zero.def")));
    EXPECT_FALSE(fifo.wasOpened());
}

TEST(CharacterDef, ReadsFilesAsTheIniReaderDoes) {
    test::TempFolder temp;
    const std::string def = temp.write(
        "kfm.def", "; comment\r\n [ INFO ] \r\n Name = \"KFM\"\r\n"
                   "[Files]\r\nCMD= 'kfm.cmd' ; quoted\r\ncns = first.cns\r\ncns = second.cns\r\n"
                   "st =\r\nsprite = ;only a comment\r\nPal12 =\tpals\\12.act\t\r\nnotakey\r\n"
                   "voice = other.snd\r\n[Files]\r\nanim = later.air\r\n[Info]\r\nname = other");
    const auto read = readCharacterDef({def});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->path, def);
    EXPECT_EQ(read->name, "kfm.def");
    EXPECT_THAT(read->files, ElementsAre(Names("cmd", "kfm.cmd"), Names("cns", "first.cns"),
                                         Names("pal12", "pals\\12.act")));
}

TEST(CharacterDef, TheFirstDefWithANameIsTaken) {
    test::TempFolder temp;
    const std::string noName = temp.write("a.def", "[Info]\nname =\n[Files]\ncns = a.cns\n");
    const std::string nameElsewhere = temp.write("b.def", "[Other]\nname = x\n");
    const std::string sjis =
        temp.write("c.def", "[Info]\nname = \x93\xfa\n[Files]\ncns = \x93\xfa.cns\n");
    const auto read = readCharacterDef({temp.file("absent.def"), noName, nameElsewhere, sjis});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->path, sjis);
    EXPECT_THAT(read->files, ElementsAre(Names("cns", "日.cns")));
    EXPECT_FALSE(readCharacterDef({noName, nameElsewhere}));
    EXPECT_FALSE(readCharacterDef({}));
}

} // namespace
} // namespace zorvik
