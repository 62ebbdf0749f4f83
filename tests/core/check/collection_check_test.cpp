#include "core/check/collection_check.h"

#include <filesystem>

#include "check_fixture.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(CheckFixture, GoneFromDiskWithOrWithoutAnUpdateSince) {
    addCharacter("kfm", filesDef({}));
    addCharacter("ryu", filesDef({}, "Ryu"));
    addCharacter("ken", filesDef({}, "Ken"));
    addCharacter("hidden", filesDef({}, "Hidden"));
    update();
    executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=1 WHERE FILENAME=?",
                 {BoundValue::ofText("hidden")});
    fs::remove_all(root.file("chars/kfm"));
    fs::remove_all(root.file("chars/hidden"));
    update(); // kfm is marked
    fs::remove_all(root.file("chars/ryu"));
    const CheckReport report = check();
    ASSERT_TRUE(report.completed);
    ASSERT_EQ(report.missing.size(), 2u);
    EXPECT_EQ(report.missing[0].id, row("kfm").id);
    EXPECT_TRUE(report.missing[0].marked);
    EXPECT_EQ(report.missing[1].fileName, "ryu");
    EXPECT_FALSE(report.missing[1].marked);
    EXPECT_THAT(report.broken, IsEmpty());
    // The check only reads.
    EXPECT_EQ(row("ryu").text.at("DELETED"), "0");
}

TEST_F(CheckFixture, RowsOfKindsNoLongerListedAreNotMissing) {
    addCharacter("kfm", filesDef({}));
    update();
    fs::remove_all(root.file("chars/kfm"));
    settings.RecognizeFileType = 16 | 1;
    EXPECT_THAT(check().missing, IsEmpty());
}

TEST_F(CheckFixture, ProgressAndCancel) {
    for (const char* name : {"a", "b", "c"}) {
        addCharacter(name, filesDef({{"cns", "absent.cns"}}, name));
    }
    update();
    CheckReport report = check();
    EXPECT_EQ(checkObserver.maximum, 3);
    EXPECT_EQ(checkObserver.position, 3);
    EXPECT_THAT(checkObserver.labels,
                ElementsAre(settings.MainDir + "を検索", "確認中：a", "確認中：b", "確認中：c",
                            "重複を確認中"));
    EXPECT_EQ(report.broken.size(), 3u);
    EXPECT_EQ(checkObserver.doneCalls, 1);
    EXPECT_THAT(checkObserver.unexpected, IsEmpty());

    checkObserver.onPosition = [&](int position) { cancel = position == 1; };
    report = check();
    EXPECT_FALSE(report.completed);
    EXPECT_FALSE(report.error);
    EXPECT_EQ(report.broken.size(), 2u); // the character in hand is still finished
    EXPECT_EQ(checkObserver.doneCalls, 2); // a stopped check ends its display too
}

TEST_F(CheckFixture, UnlistableFolderFailsTheCheck) {
    settings.MainDir = root.file("absent");
    const CheckReport report = check();
    EXPECT_FALSE(report.completed);
    ASSERT_TRUE(report.error);
    EXPECT_THAT(japaneseText(*report.error), ::testing::HasSubstr(root.file("absent")));
    EXPECT_THAT(report.missing, IsEmpty());
    EXPECT_EQ(checkObserver.doneCalls, 1); // the progress display goes all the same
}

TEST_F(CheckFixture, NoCharacterFolderIsRefusedNotReadAsAllGone) {
    addCharacter("kfm", filesDef({}));
    update();
    settings.MainDir.clear();
    const CheckReport report = check();
    EXPECT_FALSE(report.completed);
    EXPECT_EQ(report.error, kNoCharacterFolder);
    EXPECT_THAT(report.missing, IsEmpty());
}

TEST_F(CheckFixture, NonUtf8FolderNamesAreFoundAgain) {
    const std::string sjis = "\x83\x4c\x83\x83\x83\x89"; // キャラ
    root.write("chars/" + sjis + "/a.def", filesDef({{"cns", "a.cns"}}));
    root.write("chars/" + sjis + "/A.CNS", "");
    update();
    const CheckReport report = check();
    EXPECT_THAT(report.missing, IsEmpty());
    EXPECT_THAT(report.broken, IsEmpty());
}

} // namespace
} // namespace zorvik::test
