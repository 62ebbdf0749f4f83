#include "list_update_fixture.h"

#include <filesystem>
#include <map>

namespace zorvik::test {
namespace {

using ::testing::ElementsAre;

TEST_F(ListUpdateFixture, NewFolderCharacterIsRegisteredWithEveryColumn) {
    addFolder("kfm", {}, "2012-03-03");
    root.write("chars/readme.txt", "not a character");
    const ListUpdateOutcome outcome = update();
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.inserted, 1);
    EXPECT_EQ(rowCount(), 1u);
    const StoredRow stored = row("kfm");
    EXPECT_EQ(stored.text.at("NAME"), "Kung Fu Man");
    EXPECT_EQ(stored.text.at("NAME2"), "Kung Fu Man");
    EXPECT_EQ(stored.text.at("AUTHOR"), "Elecbyte");
    EXPECT_EQ(stored.text.at("UPDATE_DATE"), "04,14,2002");
    EXPECT_EQ(stored.text.at("SUPPORTED_VER"), "04,14,2002");
    EXPECT_EQ(stored.text.at("LASTCHECK_DATE"), "2012-03-03");
    EXPECT_EQ(stored.text.at("FILETYPE"), "0");
    EXPECT_EQ(stored.text.at("PATH_ID"), "1");
    EXPECT_EQ(stored.text.at("DELETED"), "0");
    EXPECT_EQ(stored.text.at("AI_AUTHOR"), "<null>");
    EXPECT_EQ(stored.text.at("COMMENT"), "<null>");
    EXPECT_EQ(stored.text.at("IMAGE IS NULL"), "1"); // portraits are off by default
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ListUpdateFixture, ObserverSeesTheStepsAndTheEndInOrder) {
    addFolder("kfm");
    update();
    EXPECT_THAT(observer.calls,
                ElementsAre("status:更新処理中...", "label:" + settings.MainDir + "/*.*を検索",
                            "label:1キャラを認識しました", "max:1", "label:確認中：kfm",
                            "label:新規追加処理中：kfm", "close", "reload",
                            "status:更新処理終了 : 新規追加データ 1件、 更新データ 0件でした。",
                            "blink"));
    EXPECT_EQ(observer.lastPosition, 0);
}

TEST_F(ListUpdateFixture, EmptyFolderReportsZeroAndDoesNotReload) {
    const ListUpdateOutcome outcome = update();
    EXPECT_TRUE(outcome.completed);
    EXPECT_THAT(observer.calls,
                ElementsAre("status:更新処理中...", "label:" + settings.MainDir + "/*.*を検索",
                            "label:0キャラを認識しました", "max:0", "close",
                            "status:更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。",
                            "blink"));
}

// The decision table: insert when unknown; re-read only when re-checking is
// on and the entry's day differs from the stored one.
TEST_F(ListUpdateFixture, DecisionTable) {
    const std::string folder = addFolder("kfm", {}, "2012-03-03");
    ASSERT_EQ(update().inserted, 1);
    const std::int64_t id = row("kfm").id;

    stamp(folder, "2012-03-03"); // same day, another time
    EXPECT_EQ(update().updated, 0);

    DefFields renamed;
    renamed.name = "Kung Fu Man EX";
    root.write("chars/kfm/kfm.def", defText(renamed));
    stamp(folder, "2013-01-01");
    settings.CharUpdateCheck = false;
    EXPECT_EQ(update().updated, 0);
    EXPECT_EQ(row("kfm").text.at("NAME"), "Kung Fu Man");

    settings.CharUpdateCheck = true;
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.updated, 1);
    EXPECT_EQ(outcome.inserted, 0);
    EXPECT_EQ(row("kfm").id, id);
    EXPECT_EQ(row("kfm").text.at("NAME"), "Kung Fu Man EX");
    EXPECT_EQ(row("kfm").text.at("LASTCHECK_DATE"), "2013-01-01");
    EXPECT_EQ(rowCount(), 1u);
}

TEST_F(ListUpdateFixture, UserColumnsSurviveAndADeletedRowComesBack) {
    const std::string folder = addFolder("kfm", {}, "2012-03-03");
    update();
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "UPDATE CHARACTER_TABLE SET COMMENT=?, DELETED=1, LASTCHECK_DATE=NULL",
                             {BoundValue::ofText("my note")}));
    EXPECT_EQ(update().updated, 1); // a stored NULL date counts as changed
    EXPECT_EQ(row("kfm").text.at("DELETED"), "0");
    EXPECT_EQ(row("kfm").text.at("COMMENT"), "my note");
}

TEST_F(ListUpdateFixture, ValuesAreStoredAsReadAndTouchNoOtherRow) {
    DefFields quoted;
    quoted.name = "Say \"Hi\"";
    quoted.author = "O'Brien";
    addFolder("NAME", quoted);
    addFolder("other");
    ASSERT_EQ(update().inserted, 2);
    EXPECT_EQ(row("NAME").text.at("NAME"), "Say \"Hi\"");
    EXPECT_EQ(row("NAME").text.at("AUTHOR"), "O'Brien");
    EXPECT_EQ(row("other").text.at("NAME"), "Kung Fu Man");
    // A folder named like a column finds its own row again instead of a new one.
    settings.CharUpdateCheck = true;
    EXPECT_EQ(update().inserted, 0);
    EXPECT_EQ(rowCount(), 2u);
}

TEST_F(ListUpdateFixture, ShiftJisDefAndFolderNamesAreStoredAsUnicode) {
    const std::string sjisFolder = "\x83\x4c\x83\x83\x83\x89"; // キャラ
    root.makeFolder("chars/" + sjisFolder);
    root.write("chars/" + sjisFolder + "/a.def", "[Info]\r\nname = \"\x93\xfa\x96\x7b\"\r\n");
    ASSERT_EQ(update().inserted, 1);
    EXPECT_EQ(row("キャラ").text.at("NAME"), "日本");
    EXPECT_EQ(update().inserted, 0); // found again, not inserted twice
}

// Stray bytes, and a Shift-JIS name beside the same name in UTF-8: each
// entry keeps a row of its own, its name shown so that it can be told apart.
TEST_F(ListUpdateFixture, NamesThatDecodeAlikeKeepARowEach) {
    const std::map<std::string, std::string> folders = {
        {"x\xff", "Stray FF"},
        {"x\xfe", "Stray FE"},
        {"\x83\x4c\x83\x83\x83\x89", "Shift-JIS"}, // キャラ
        {"キャラ", "UTF-8"},
        {"plain", "Plain"}};
    for (const auto& [folder, name] : folders) {
        DefFields fields;
        fields.name = name;
        addFolder(folder, fields);
    }
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.inserted, 5);
    EXPECT_EQ(outcome.namesToldApart, 3);
    EXPECT_EQ(japaneseText(outcome.remarks().at(0)),
              "同じ名前に見えるためバイト列を添えたエントリ : 3件");
    EXPECT_EQ(row("x\uFFFD (0x78FF)").text.at("NAME"), "Stray FF");
    EXPECT_EQ(row("x\uFFFD (0x78FE)").text.at("NAME"), "Stray FE");
    EXPECT_EQ(row("キャラ (0x834C83838389)").text.at("NAME"), "Shift-JIS");
    EXPECT_EQ(row("キャラ").text.at("NAME"), "UTF-8");
    EXPECT_EQ(row("plain").text.at("NAME"), "Plain");

    // Each is found again by its own name.
    const ListUpdateOutcome again = update();
    EXPECT_EQ(again.inserted + again.updated + again.moved + again.missing, 0);
    EXPECT_EQ(rowCount(), 5u);
}

TEST_F(ListUpdateFixture, CancelCommitsWhatWasWritten) {
    addFolder("a");
    addFolder("b");
    addFolder("c");
    int registered = 0;
    observer.onLabel = [&](const std::string& text) {
        if (text.rfind("新規追加処理中", 0) == 0 && ++registered == 2) {
            cancel = true; // the character in hand is still finished
        }
    };
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.inserted, 2);
    EXPECT_EQ(rowCount(), 2u);
    // Committed: another connection sees the rows.
    Kel_CharacterDb reopened(root.file("db.sqlite3"));
    Statement count(reopened.statements(), "SELECT COUNT(*) FROM CHARACTER_TABLE");
    ASSERT_EQ(count.step(), SQLITE_ROW);
    EXPECT_EQ(count.intAt(0), 2);
}

// A missing folder, or none set at all (which must not list the file
// system's root as a collection, with or without its subfolders).
TEST_F(ListUpdateFixture, MissingOrUnsetCharacterFolderIsReportedAndNothingIsWritten) {
    for (const std::string& mainDir : {root.file("missing"), std::string()}) {
        SCOPED_TRACE(mainDir);
        settings.MainDir = mainDir;
        settings.SearchSubfolders = mainDir.empty();
        const std::size_t shownBefore = messages.shown().size();
        const ListUpdateOutcome outcome = update();
        EXPECT_FALSE(outcome.listed);
        ASSERT_EQ(messages.shown().size(), shownBefore + 1);
        // No folder set is told as such, before any status says that an update runs.
        EXPECT_EQ(messages.shown().back(),
                  mainDir.empty() ? "キャラクターのフォルダ (MainDir) が設定されていません。"
                                  : "ファイル検索を開始できませんでした。\n"
                                    "メインディレクトリの設定が正しいか確認してください。");
        EXPECT_EQ(observer.calls.back(),
                  mainDir.empty()
                      ? "close"
                      : "status:キャラクターフォルダを検索できませんでした：" + mainDir);
        EXPECT_EQ(rowCount(), 0u);
    }
}

TEST_F(ListUpdateFixture, FirstDefWithANameWinsAndPortraitIsTaken) {
    root.makeFolder("chars/two");
    root.write("chars/two/a.def", "[Info]\r\nauthor = nobody\r\n");
    DefFields second;
    second.name = "Second";
    root.write("chars/two/b.def", defText(second));
    second.name = "Third";
    root.write("chars/two/c.def", defText(second));
    root.write("chars/two/KFM.SFF", portraitSff());
    settings.RegisterSprite = true;
    ASSERT_EQ(update().inserted, 1);
    EXPECT_EQ(row("two").text.at("NAME"), "Second");
    EXPECT_EQ(row("two").text.at("IMAGE IS NULL"), "0");
}

TEST_F(ListUpdateFixture, CatalogueErrorsEndTheLoopButStillCommit) {
    addFolder("kfm");
    ASSERT_TRUE(catalogue.DropCharacterTable());
    const ListUpdateOutcome outcome = update();
    EXPECT_FALSE(outcome.completed);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0],
              "DB登録確認処理でエラーがありました：no such table: CHARACTER_TABLE");
    EXPECT_EQ(observer.calls.back(), "blink");
}

// The catalogue refuses to grow past a limit, as a full disk makes it
// refuse (SQLITE_FULL): the update stops at the first refusal, and its
// counts are what the catalogue holds; with room again, the next update
// takes the rest.
TEST_F(ListUpdateFixture, AFullCatalogueStopsTheUpdateWithTheCountsItHolds) {
    settings.RegisterSprite = true;
    for (int i = 0; i < 60; ++i) {
        addFolder("c" + std::to_string(100 + i));
    }
    const auto pages = [&](const std::string& pragma) {
        Statement statement(catalogue.statements(), "PRAGMA " + pragma);
        return statement.step() == SQLITE_ROW ? statement.int64At(0) : -1;
    };
    ASSERT_GT(pages("max_page_count = " + std::to_string(pages("page_count") + 4)), 0);
    const ListUpdateOutcome outcome = update();
    EXPECT_FALSE(outcome.completed);
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_LT(outcome.inserted, 60);
    EXPECT_EQ(rowCount(), static_cast<std::size_t>(outcome.inserted));
    // Told once why; and when SQLite undid the whole transaction itself
    // (as it does here), that nothing of the update stayed.
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_THAT(messages.shown()[0], ::testing::HasSubstr("database or disk is full"));
    EXPECT_EQ(messages.shown().size(), outcome.changesUndone ? 2u : 1u);

    pages("max_page_count = 1000000");
    const ListUpdateOutcome rest = update();
    EXPECT_TRUE(rest.completed);
    EXPECT_EQ(rest.inserted, 60 - outcome.inserted);
    Statement withPortrait(catalogue.statements(),
                           "SELECT COUNT(*) FROM CHARACTER_TABLE WHERE LENGTH(IMAGE) > 0");
    ASSERT_EQ(withPortrait.step(), SQLITE_ROW);
    EXPECT_EQ(withPortrait.intAt(0), 60);
}

// A portrait the catalogue refused is the catalogue's failure, not the
// sprite's: the row written before stays, nothing marks the portrait as
// failed, and the next update takes it.
TEST_F(ListUpdateFixture, APortraitTheCatalogueRefusedIsNotMarkedAsFailed) {
    settings.RegisterSprite = true;
    addFolder("kfm");
    addFolder("ryu");
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "CREATE TRIGGER full BEFORE UPDATE OF IMAGE ON CHARACTER_TABLE "
                             "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END",
                             {}));
    const ListUpdateOutcome outcome = update();
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.inserted, 1); // kfm's row, written before its portrait
    EXPECT_EQ(rowCount(), 1u);
    EXPECT_THAT(messages.shown(),
                ::testing::ElementsAre("書き込みに失敗しました : database or disk is full"));
    ASSERT_TRUE(executeBound(catalogue.statements(), "DROP TRIGGER full", {}));
    const ListUpdateOutcome next = update();
    EXPECT_EQ(next.inserted, 1);
    EXPECT_EQ(next.portraits, 1);
    EXPECT_EQ(row("kfm").text.at("IMAGE IS NULL"), "0");
}

TEST_F(ListUpdateFixture, ARowThatCannotBeWrittenIsToldOnceAndEndsTheLoop) {
    addFolder("kfm");
    addFolder("ryu");
    // As a full disk would, the catalogue refuses every new row.
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "CREATE TRIGGER full BEFORE INSERT ON CHARACTER_TABLE "
                             "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END",
                             {}));
    const ListUpdateOutcome outcome = update();
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.inserted, 0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_THAT(messages.shown()[0],
                ::testing::StartsWith("エラー：database or disk is full\nSQL : \nINSERT"));
    EXPECT_EQ(rowCount(), 0u);
}

} // namespace
} // namespace zorvik::test
