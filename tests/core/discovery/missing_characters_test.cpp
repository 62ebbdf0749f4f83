#include "core/discovery/missing_characters.h"

#include <filesystem>

#include "list_update_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;

class MissingMarks : public ListUpdateFixture {
protected:
    std::string deleted(const std::string& fileName) { return row(fileName).text.at("DELETED"); }

    // Out of the character folder (a renamed folder would be a move).
    void takeAway(const std::string& name) {
        fs::rename(root.file("chars/" + name), root.file("away-" + name));
    }
    void bringBack(const std::string& name) {
        fs::rename(root.file("away-" + name), root.file("chars/" + name));
    }
};

TEST_F(MissingMarks, AFolderTakenAwayIsMarkedAndComesBackUnchanged) {
    addFolder("kfm", {}, "2012-03-03");
    DefFields other;
    other.name = "Other";
    addFolder("other", other, "2012-03-03");
    ASSERT_EQ(update().inserted, 2);
    const std::int64_t id = row("kfm").id;

    takeAway("kfm");
    ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.missing, 1);
    EXPECT_EQ(deleted("kfm"), "2");
    EXPECT_EQ(row("kfm").id, id);

    // Moving does not change the folder's date, so the row is not re-read:
    // only its mark goes back, and another goes away in its turn.
    bringBack("kfm");
    takeAway("other");
    outcome = update();
    EXPECT_EQ(outcome.inserted, 0);
    EXPECT_EQ(outcome.updated, 0);
    EXPECT_EQ(outcome.returned, 1);
    EXPECT_EQ(outcome.missing, 1); // other now
    EXPECT_EQ(deleted("kfm"), "0");
    EXPECT_EQ(deleted("other"), "2");
    EXPECT_THAT(observer.calls, ::testing::Contains("reload"));

    // Already marked rows are not counted again.
    EXPECT_EQ(update().missing, 0);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MissingMarks, ChangedEntryThatComesBackIsReadAgain) {
    const std::string folder = addFolder("kfm", {}, "2012-03-03");
    update();
    takeAway("kfm");
    update();
    bringBack("kfm");
    stamp(folder, "2014-01-01");
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.updated, 1);
    EXPECT_EQ(deleted("kfm"), "0");
}

TEST_F(MissingMarks, RowsHiddenByHandAreNeverTouched) {
    addFolder("kfm");
    addFolder("ryu");
    update();
    ASSERT_TRUE(executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=1", {}));
    fs::remove_all(root.file("chars/kfm"));
    EXPECT_EQ(update().missing, 0);
    EXPECT_EQ(deleted("kfm"), "1");
    EXPECT_EQ(deleted("ryu"), "1");
}

TEST_F(MissingMarks, CancelledOrFailedListingMarksNothing) {
    addFolder("kfm");
    addFolder("ryu");
    update();
    fs::remove_all(root.file("chars/kfm"));

    cancel = true;
    EXPECT_EQ(update().missing, 0);
    EXPECT_EQ(deleted("kfm"), "0");

    cancel = false;
    const std::string mainDir = settings.MainDir;
    settings.MainDir = root.file("unreadable");
    EXPECT_FALSE(update().listed);
    EXPECT_EQ(deleted("kfm"), "0");
    EXPECT_EQ(deleted("ryu"), "0");

    settings.MainDir = mainDir;
    EXPECT_EQ(update().missing, 1);
    EXPECT_EQ(deleted("kfm"), "2");
}

TEST_F(MissingMarks, CancelDuringRegistrationMarksNothing) {
    addFolder("kfm");
    update();
    fs::remove_all(root.file("chars/kfm"));
    DefFields ryu;
    ryu.name = "Ryu"; // another character: no move
    addFolder("ryu", ryu);
    observer.onLabel = [&](const std::string& text) {
        if (text.rfind("新規追加処理中", 0) == 0) {
            cancel = true;
        }
    };
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.inserted, 1);
    EXPECT_EQ(outcome.missing, 0);
    EXPECT_EQ(deleted("kfm"), "0");
}

TEST_F(MissingMarks, OnlyRecognisedKindsAreMarked) {
    addFolder("stays"); // an emptied folder would mark nothing
    addFolder("kfm");
    writeArchive(root.file("chars/ryu.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("ryu.def", defText({}))});
    ASSERT_EQ(update().inserted, 3);
    fs::remove(root.file("chars/ryu.zip"));
    fs::remove_all(root.file("chars/kfm"));
    settings.RecognizeFileType = 16 | 2; // zip files are no longer listed
    EXPECT_EQ(update().missing, 1);
    EXPECT_EQ(deleted("kfm"), "2");
    EXPECT_EQ(deleted("ryu.zip"), "0");
}

// An emptied folder or a drive that is not mounted lists nothing: the rows
// stay as they are and the outcome says why.
TEST_F(MissingMarks, EmptyListingMarksNothingWhileRowsAreShown) {
    addFolder("kfm");
    addFolder("ryu");
    update();
    fs::remove_all(root.file("chars/kfm"));
    fs::remove_all(root.file("chars/ryu"));
    ListUpdateOutcome outcome = update();
    EXPECT_TRUE(outcome.listed);
    EXPECT_TRUE(outcome.completed);
    EXPECT_TRUE(outcome.nothingListed);
    EXPECT_EQ(outcome.missing, 0);
    EXPECT_EQ(deleted("kfm"), "0");
    EXPECT_EQ(deleted("ryu"), "0");
    EXPECT_TRUE(messages.shown().empty());

    // A folder holding only what is no character lists nothing either.
    root.write("chars/readme.txt", "x");
    EXPECT_TRUE(update().nothingListed);
    EXPECT_EQ(deleted("kfm"), "0");
}

TEST_F(MissingMarks, EmptyListingIsOrdinaryWhenNoShownRowIsOfAListedKind) {
    // No rows at all: nothing to protect, nothing said.
    EXPECT_FALSE(update().nothingListed);

    // Every row already missing or hidden by hand: the listing is taken as it is.
    addFolder("kfm");
    addFolder("ryu");
    update();
    fs::remove_all(root.file("chars/kfm"));
    EXPECT_EQ(update().missing, 1);
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "UPDATE CHARACTER_TABLE SET DELETED=1 WHERE FILENAME='ryu'", {}));
    fs::remove_all(root.file("chars/ryu"));
    ListUpdateOutcome outcome = update();
    EXPECT_FALSE(outcome.nothingListed);
    EXPECT_EQ(deleted("kfm"), "2");
    EXPECT_EQ(deleted("ryu"), "1");

    // Shown rows only of a kind no longer listed: nothing could be marked anyway.
    executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=0", {});
    settings.RecognizeFileType = 15;
    outcome = update();
    EXPECT_FALSE(outcome.nothingListed);
    EXPECT_EQ(outcome.missing, 0);
}

TEST(MissingCharacters, RecognisedKindsAndCountText) {
    EXPECT_TRUE(isRecognizedFileType(0, 16));
    EXPECT_FALSE(isRecognizedFileType(0, 1));
    EXPECT_TRUE(isRecognizedFileType(8, 1 | 2 | 4));
    EXPECT_FALSE(isRecognizedFileType(4, 4));
    EXPECT_FALSE(isRecognizedFileType(16, 0)); // no such kind
    EXPECT_EQ(japaneseText(missingCountText(3)), "見つからなくなったデータ : 3件");
}

} // namespace
} // namespace zorvik::test
