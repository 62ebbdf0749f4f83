#include "core/roster/select_def_line.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(SelectDefLine, AFolderStandsAloneOnlyForItsOwnDef) {
    EXPECT_EQ(characterEntry("kfm", "kfm.def"), "kfm");
    EXPECT_EQ(characterEntry("Kung Fu Man", "KUNG FU MAN.DEF"), "Kung Fu Man");
    EXPECT_EQ(characterEntry("kfm", "other.def"), "kfm/other.def");
    EXPECT_EQ(characterEntry("kfm", "kfm2.def"), "kfm/kfm2.def");
    EXPECT_EQ(characterEntry("リュウ", "リュウ.def"), "リュウ");
}

TEST(SelectDefLine, ANestedFolderAlwaysNamesItsDef) {
    // The engine finds a bare name only at the top level.
    EXPECT_EQ(characterEntry("KOF/kyo", "kyo.def"), "KOF/kyo/kyo.def");
    EXPECT_EQ(characterEntry("Capcom/Street Fighter/ken", "ken-alt.def"),
              "Capcom/Street Fighter/ken/ken-alt.def");
    EXPECT_TRUE(fitsAsCharacterPath("Capcom/Street Fighter/ken"));
    EXPECT_TRUE(fitsAsCharacterPath("kfm"));
    for (const char* path : {"KOF//kyo", "/kyo", "KOF/", "KOF/../kyo", "KOF/ kyo", "a,b/kyo",
                             "KOF\\kyo", "KOF/[x]"}) {
        EXPECT_FALSE(fitsAsCharacterPath(path)) << path;
    }
    // A merge knows a nested line by its folder's path.
    EXPECT_EQ(namedFolderKey("KOF/Kyo/kyo.def, random"), "kof/kyo");
    EXPECT_EQ(namedFolderKey("KOF\\kyo\\kyo.def"), "kof/kyo");
}

TEST(SelectDefLine, StageAndOrderFollowTheEnginesFieldOrder) {
    RosterOptions options;
    EXPECT_EQ(characterLine("kfm", options), "kfm");
    options.order = 0;
    EXPECT_EQ(characterLine("kfm", options), "kfm, , order=0");
    options.stage = RosterStage::Random;
    EXPECT_EQ(characterLine("kfm", options), "kfm, random, order=0");
    options.stage = RosterStage::Fixed;
    options.stagePath = "stages/kfm.def";
    options.order.reset();
    EXPECT_EQ(characterLine("kfm/alt.def", options), "kfm/alt.def, stages/kfm.def");
}

TEST(SelectDefLine, NamesThatWouldBreakALineDoNotFit) {
    EXPECT_TRUE(fitsAsCharacterName("Kung Fu Man"));
    EXPECT_TRUE(fitsAsCharacterName("リュウ(改)"));
    for (const char* name :
         {"", "a,b", "a;b", " kfm", "kfm ", "[Options]", "a\\b", "a\tb", "a\rb", ".."}) {
        EXPECT_FALSE(fitsAsCharacterName(name)) << name;
    }
    EXPECT_TRUE(fitsInSelectField("stages\\my bg.def"));
    EXPECT_FALSE(fitsInSelectField("stages/a.def, order=3"));
}

TEST(SelectDefLine, AnOldLineNamesTheFolderOfItsEntry) {
    EXPECT_EQ(namedFolderKey("KFM"), "kfm");
    EXPECT_EQ(namedFolderKey("  kfm/ , random"), "kfm");
    EXPECT_EQ(namedFolderKey("kfm\\alt-kfm.DEF, stages/x.def ; note"), "kfm");
    EXPECT_EQ(namedFolderKey("Kung Fu Man;comment"), "kung fu man");
    EXPECT_EQ(namedFolderKey("suave.zip"), "suave.zip");
    EXPECT_EQ(namedFolderKey("; kfm"), "");
    EXPECT_EQ(namedFolderKey(", random"), "");
}

} // namespace
} // namespace zorvik
