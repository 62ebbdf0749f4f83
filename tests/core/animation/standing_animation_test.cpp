#include "core/discovery/standing_animation.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/discovery/candidate.h"
#include "core/settings/app_settings.h"
#include "support/archive_writer.h"
#include "support/standing_character.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

class StandingAnimation : public ::testing::Test {
protected:
    void SetUp() override {
        settings.MainDir = root.makeFolder("chars");
        settings.TempDir = root.makeFolder("temp");
    }

    std::string plugins() const {
        const char* folder = std::getenv("ZORVIK_PLUGIN_DIR");
        return folder ? folder : "";
    }

    bool tempIsEmpty() const { return std::filesystem::is_empty(settings.TempDir); }

    TempFolder root;
    AppSettings settings;
};

TEST_F(StandingAnimation, FolderCharacterTakesTheFilesItsDefNames) {
    StandingCharacter{}.writeTo(root.makeFolder("chars/Stander"));
    // A .def without a Name is passed over, as registration passes it.
    root.write("chars/Stander/0first.def", "[Files]\r\nanim = nothing.air\r\n");
    const ActionLoad load =
        LoadCatalogueAction(settings, {"Stander", kFolderCharacter}, kStandingAction);
    ASSERT_TRUE(load.loaded) << static_cast<int>(load.problem);
    EXPECT_EQ(load.loaded->action.frames.size(), 3u);
    EXPECT_EQ(LoadCatalogueAction(settings, {"Gone", kFolderCharacter}, 0).problem,
              ActionProblem::NoCharacter);
}

TEST_F(StandingAnimation, DefValuesAreWindowsPathsFoundIgnoringCase) {
    const std::string folder = root.makeFolder("chars/Paths");
    StandingCharacter character;
    character.writeTo(folder);
    root.makeFolder("chars/Paths/Anim");
    std::filesystem::rename(folder + "/stand.air", folder + "/Anim/Stand.AIR");
    root.write("chars/Paths/stand.def", "[Info]\r\nname = \"P\"\r\n[Files]\r\n"
                                        "sprite = \"STAND.SFF\"\r\nanim = anim\\stand.air\r\n");
    EXPECT_TRUE(LoadDefAction(folder + "/stand.def", 0).loaded);
    root.write("chars/Paths/stand.def", "[Info]\r\nname = \"P\"\r\n[Files]\r\nsprite = stand.sff\r\n");
    EXPECT_EQ(LoadDefAction(folder + "/stand.def", 0).problem, ActionProblem::NoAirFile);
}

TEST_F(StandingAnimation, ConfinedCharactersCannotNameFilesOutsideTheirFolder) {
    StandingCharacter{}.writeTo(root.path());
    const std::string folder = root.makeFolder("inner");
    root.write("inner/x.def", "[Info]\r\nname = \"X\"\r\n[Files]\r\nsprite = ..\\stand.sff\r\n"
                              "anim = ..\\stand.air\r\n");
    EXPECT_TRUE(LoadDefAction(folder + "/x.def", 0, false).loaded);
    EXPECT_EQ(LoadDefAction(folder + "/x.def", 0, true).problem, ActionProblem::NoAirFile);
}

TEST_F(StandingAnimation, ArchiveCharacterIsExtractedIntoAFolderOfItsOwnAndRemoved) {
    if (plugins().empty()) {
        GTEST_SKIP() << "ZORVIK_PLUGIN_DIR is not set";
    }
    const StandingCharacter character;
    writeArchive(root.file("chars/stander.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("stander/stand.def", character.defText()),
                  FixtureEntry::file("stand.def", character.defText()),
                  FixtureEntry::file("stand.air", character.airText()),
                  FixtureEntry::file("stand.sff", character.sffBytes()),
                  FixtureEntry::file("stand.act", standingAct())});
    // A folder of registration's own name in the way changes nothing.
    root.makeFolder("temp/stander.zip");
    const ActionLoad load = LoadCatalogueAction(settings, {"stander.zip", kZipCharacter}, 0, plugins());
    ASSERT_TRUE(load.loaded) << static_cast<int>(load.problem);
    EXPECT_EQ(load.loaded->sprites.size(), 3u);
    std::filesystem::remove(root.file("temp/stander.zip"));
    EXPECT_TRUE(tempIsEmpty());
}

TEST_F(StandingAnimation, AnArchiveThatCannotBeExtractedIsToldAsSuch) {
    if (plugins().empty()) {
        GTEST_SKIP() << "ZORVIK_PLUGIN_DIR is not set";
    }
    root.write("chars/broken.zip", "PK\x03\x04 no archive at all");
    const ActionLoad broken = LoadCatalogueAction(settings, {"broken.zip", kZipCharacter}, 0, plugins());
    EXPECT_EQ(broken.problem, ActionProblem::ExtractionFailed);
    EXPECT_EQ(broken.detail, root.file("chars/broken.zip"));
    // An archive extracted whole that holds no character is no extraction failure.
    writeArchive(root.file("chars/empty.zip"), ArchiveFormat::Zip, {FixtureEntry::file("readme.txt", "hi")});
    EXPECT_EQ(LoadCatalogueAction(settings, {"empty.zip", kZipCharacter}, 0, plugins()).problem,
              ActionProblem::NoCharacter);
    settings.TempDir = root.file("missing");
    const ActionLoad noFolder = LoadCatalogueAction(settings, {"empty.zip", kZipCharacter}, 0, plugins());
    EXPECT_EQ(noFolder.problem, ActionProblem::ExtractionFolderFailed);
    EXPECT_EQ(noFolder.detail.rfind(root.file("missing") + ": ", 0), 0u) << noFolder.detail;
    EXPECT_TRUE(std::filesystem::is_empty(root.file("temp")));
}

} // namespace
} // namespace zorvik::test
