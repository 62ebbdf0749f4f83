// The bundled plug-in with the DLLinfo.ini the build ships, through the
// manager, as character registration calls it.

#include <gtest/gtest.h>
#include <string>

#include "core/archive/archiver_handler.h"
#include "plugin_runner.h"
#include "support/archive_writer.h"
#include "support/noise.h"

namespace zorvik::test {
namespace {

class ShippedPlugin : public ::testing::TestWithParam<ArchiveFormat> {};

INSTANTIATE_TEST_SUITE_P(Formats, ShippedPlugin,
                         ::testing::Values(ArchiveFormat::Zip, ArchiveFormat::SevenZip,
                                           ArchiveFormat::Rar4, ArchiveFormat::Rar5),
                         [](const auto& formatInfo) { return formatName(formatInfo.param); });

TEST_P(ShippedPlugin, LandsTheDefAndSpriteFilesAtTheTopAndLeavesTheRestPacked) {
    TempFolder temp;
    const std::string def = "[Info]\nName = \"Kung Fu Man\"\n[Files]\nsprite = kfm.sff\n";
    const std::string sprite = pseudoRandomBytes(100 * 1024, 5);
    const std::string archive =
        temp.file("カンフー男 v1.0" + std::string(formatExtension(GetParam())));
    writeArchive(archive, GetParam(),
                 {Entry::folder("kfm"), Entry::file("kfm/kfm.def", def),
                  Entry::file("kfm/kfm.sff", sprite),
                  Entry::file("kfm/sound/kfm.snd", pseudoRandomBytes(2 << 20, 6)),
                  Entry::file("kfm/readme.txt", "read me")});
    const std::string destination = temp.makeFolder("extracted") + "/";

    KelArchiverHandler handler(ZORVIK_PLUGIN_DIR);
    EXPECT_FALSE(handler.OpenArchive(temp.write("notes.txt", "plain text")));
    ASSERT_TRUE(handler.OpenArchive(archive));
    EXPECT_EQ(handler.plugins().at(static_cast<std::size_t>(handler.selectedPlugin())).fileName(),
              "ZorvikArc.so");
    EXPECT_TRUE(handler.Extract(destination)) << handler.output();
    handler.CloseArchive();

    EXPECT_EQ(treeOf(destination), (Tree{"kfm.def", "kfm.sff"}));
    EXPECT_EQ(readFile(destination + "kfm.def"), def);
    EXPECT_EQ(readFile(destination + "kfm.sff"), sprite);
}

} // namespace
} // namespace zorvik::test
