// The bundled plug-in with the DLLinfo.ini the build ships, through the
// manager, as character registration calls it.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/archive/archiver_handler.h"
#include "plugin_runner.h"
#include "support/archive_writer.h"
#include "support/noise.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

using Entry = ArchiveEntrySpec;
using Tree = std::vector<std::string>;

class ShippedPlugin : public ::testing::TestWithParam<ArchiveFormat> {};

INSTANTIATE_TEST_SUITE_P(Formats, ShippedPlugin,
                         ::testing::Values(ArchiveFormat::Zip, ArchiveFormat::SevenZip,
                                           ArchiveFormat::Rar4, ArchiveFormat::Rar5),
                         [](const auto& formatInfo) { return std::string(formatName(formatInfo.param)); });

TEST_P(ShippedPlugin, LandsTheDefAndSpriteFilesAtTheTopAndLeavesTheRestPacked) {
    TempFolder temp;
    const std::string def = "[Info]\nName = \"Kung Fu Man\"\n[Files]\nsprite = kfm.sff\n";
    const std::string sprite = pseudoRandomBytes(100 * 1024, 5);
    const std::string archive =
        temp.file(std::string("カンフー男 v1.0") + formatExtension(GetParam()));
    writeArchive(archive, GetParam(),
                 {Entry::folder("kfm"), Entry::file("kfm/kfm.def", def),
                  Entry::file("kfm/kfm.sff", sprite),
                  Entry::file("kfm/sound/kfm.snd", pseudoRandomBytes(2 << 20, 6)),
                  Entry::file("kfm/readme.txt", "read me")});
    const std::string destination = temp.makeFolder("extracted") + "/";

    KelArchiverHandler handler(ZORVIK_PLUGIN_DIR);
    ASSERT_TRUE(handler.OpenArchive(archive));
    EXPECT_EQ(handler.plugins().at(static_cast<std::size_t>(handler.selectedPlugin())).fileName(),
              "ZorvikArc.so");
    EXPECT_TRUE(handler.Extract(destination)) << handler.output();
    handler.CloseArchive();

    EXPECT_EQ(treeOf(destination), (Tree{"kfm.def", "kfm.sff"}));
    EXPECT_EQ(readFile(destination + "kfm.def"), def);
    EXPECT_EQ(readFile(destination + "kfm.sff"), sprite);
}

TEST(ShippedPluginFolder, HandlesEveryArchiveExtensionAndNothingElse) {
    TempFolder temp;
    KelArchiverHandler handler(ZORVIK_PLUGIN_DIR);
    EXPECT_FALSE(handler.OpenArchive(temp.write("notes.txt", "plain text")));
    EXPECT_FALSE(handler.OpenArchive(temp.write("broken.zip", "PK garbage")));
    const std::string archive = temp.file("KFM.ZIP");
    writeArchive(archive, ArchiveFormat::Zip, {Entry::file("kfm/kfm.def", "[Info]")});
    EXPECT_TRUE(handler.OpenArchive(archive));
}

} // namespace
} // namespace zorvik::test
