#include "core/check/duplicate_finder.h"

#include <filesystem>

#include "check_fixture.h"

namespace zorvik::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Each group as its members' file names.
std::vector<std::vector<std::string>> fileNames(const std::vector<DuplicateGroup>& groups) {
    std::vector<std::vector<std::string>> names;
    for (const DuplicateGroup& group : groups) {
        names.emplace_back();
        for (const DuplicateMember& member : group.members) {
            names.back().push_back(member.fileName);
        }
    }
    return names;
}

TEST(DuplicateFinder, ComparableTextDropsBlanksAndLetterCase) {
    EXPECT_EQ(comparableText("  Kung Fu MAN\t"), "kung fu man");
    EXPECT_EQ(comparableText("\xE3\x80\x80リュウ\xE3\x80\x80 "), "リュウ");
    EXPECT_EQ(comparableText("Ｋｆｍ"), "Ｋｆｍ"); // full-width letters are other letters
    EXPECT_EQ(comparableText(" \xE3\x80\x80 "), "");
}

TEST_F(CheckFixture, SameNameAndAuthorIgnoringCaseAndBlanks) {
    addCharacter("a", filesDef({}, "Kung Fu Man", "Elecbyte"));
    addCharacter("b", filesDef({}, "kung fu man ", " ELECBYTE"));
    addCharacter("c", filesDef({}, "Kung Fu Man", "someone else"));
    addCharacter("d", filesDef({}, "Ryu", "X"));
    addCharacter("e", filesDef({}, "RYU", "x"));
    addCharacter("f", filesDef({}, "Kung Fu Man", "Elecbyte"));
    addCharacter("hidden", filesDef({}, "Ryu", "X"));
    update();
    executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=1 WHERE FILENAME=?",
                 {BoundValue::ofText("hidden")});
    const CheckReport report = check();
    EXPECT_EQ(fileNames(report.sameNameAndAuthor),
              (std::vector<std::vector<std::string>>{{"a", "b", "f"}, {"d", "e"}}));
    const DuplicateMember& second = report.sameNameAndAuthor[0].members[1];
    EXPECT_EQ(second.id, row("b").id);
    EXPECT_EQ(second.name, "kung fu man "); // as stored
    EXPECT_EQ(second.author, " ELECBYTE");
    EXPECT_TRUE(report.problemsFound());
}

TEST_F(CheckFixture, SamePortraitBytes) {
    for (const char* name : {"a", "b", "c", "d"}) {
        addCharacter(name, filesDef({{"sprite", "kfm.sff"}}, name, name));
    }
    root.write("chars/a/kfm.sff", portraitSff(9000, 1, 7));
    root.write("chars/b/kfm.sff", portraitSff(9000, 1, 9));
    root.write("chars/c/kfm.sff", portraitSff(9000, 1, 7));
    root.write("chars/d/kfm.sff", portraitSff(9000, 1, 9));
    settings.RegisterSprite = true;
    update();
    addCharacter("none", filesDef({}, "none", "none")); // no portrait
    settings.RegisterSprite = false;
    update();
    const CheckReport report = check();
    EXPECT_THAT(report.sameNameAndAuthor, IsEmpty());
    EXPECT_EQ(fileNames(report.samePortrait),
              (std::vector<std::vector<std::string>>{{"a", "c"}, {"b", "d"}}));
}

TEST_F(CheckFixture, RowsGoneFromDiskAreNoDuplicates) {
    addCharacter("kfm", filesDef({}));
    addCharacter("kfm2", filesDef({}));
    update();
    std::filesystem::remove_all(root.file("chars/kfm"));
    update();
    const CheckReport report = check();
    EXPECT_THAT(report.sameNameAndAuthor, IsEmpty());
    ASSERT_EQ(report.missing.size(), 1u);
    EXPECT_EQ(report.missing[0].fileName, "kfm");
}

} // namespace
} // namespace zorvik::test
