#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sqlite3.h>

#include "core/catalogue/columns.h"
#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/portrait_store.h"
#include "core/discovery/portrait_recapture.h"
#include "core/sprite/portrait_capture.h"
#include "list_update_fixture.h"

namespace zorvik::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Portraits : public ListUpdateFixture {
protected:
    // The stored IMAGE of the row, "<null>" when there is none.
    std::string image(const std::string& fileName) {
        Statement query(catalogue.statements(),
                        "SELECT IMAGE FROM CHARACTER_TABLE WHERE FILENAME=?");
        query.bindText(1, fileName);
        if (query.step() != SQLITE_ROW || query.isNull(0)) {
            return "<null>";
        }
        return query.blobAt(0);
    }

    void storeByHand(const std::string& fileName, const std::string& bytes) {
        const std::int64_t id = row(fileName).id;
        ASSERT_TRUE(PortraitStore(catalogue).writeById(id, Bytes(bytes.begin(), bytes.end())));
        ASSERT_TRUE(PortraitMarks(catalogue).markHandSet(id));
    }

    // The PNG the capture makes of a character's kfm.sff with those numbers.
    std::string pngOf(const std::string& folder, int group, int imageNumber) {
        const PortraitPng made =
            MakePortraitPng(root.file("chars/" + folder + "/kfm.sff"), group, imageNumber);
        return made.png ? std::string(made.png->begin(), made.png->end()) : "<none>";
    }

    bool labelled(const std::string& label) {
        return std::find(observer.calls.begin(), observer.calls.end(), "label:" + label) !=
               observer.calls.end();
    }

    RecaptureOutcome recapture(const ListSearch& search = {}) {
        observer.calls.clear();
        return RunPortraitRecapture({settings, catalogue, observer, cancel, search, {}, nullptr});
    }

    std::string handSetNames(Kel_CharacterDb& on) {
        std::string names;
        for (const RecaptureRow& chosen : ChooseRecaptureRows(on, {}).rows) {
            names += chosen.handSet ? chosen.fileName + " " : "";
        }
        return names;
    }
};

TEST_F(Portraits, MissingOnesAreTakenOnlyWithTheSwitchAndOnlyWhereThereIsNone) {
    addFolder("kfm");
    addFolder("ryu");
    ASSERT_EQ(update().inserted, 2);
    // Still off: the second update takes nothing and counts nothing.
    ListUpdateOutcome outcome = update();
    EXPECT_FALSE(outcome.portraitsTaken);
    EXPECT_EQ(image("kfm"), "<null>");
    EXPECT_EQ(image("ryu"), "<null>");

    storeByHand("kfm", "chosen by hand");
    settings.RegisterSprite = true;
    observer.calls.clear();
    outcome = update();
    EXPECT_TRUE(outcome.portraitsTaken);
    EXPECT_EQ(outcome.portraits, 1);
    // The counts line stays as it was; the list reloads for the new portrait.
    EXPECT_EQ(japaneseText(outcome.countsText()),
              "更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。");
    EXPECT_NE(std::find(observer.calls.begin(), observer.calls.end(), "reload"),
              observer.calls.end());
    EXPECT_EQ(image("kfm"), "chosen by hand");
    EXPECT_EQ(image("ryu"), pngOf("ryu", 9000, 1));
    EXPECT_FALSE(labelled("画像登録中：kfm"));
    EXPECT_EQ(japaneseText(portraitCountText(outcome.portraits)), "画像を追加したデータ : 1件");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(Portraits, AFailedCaptureIsTriedAgainOnlyWhenTheEntryDateChanges) {
    const std::string folder = addFolder("kfm");
    root.write("chars/kfm/kfm.sff", portraitSff(9000, 0)); // no (9000, 1)
    stamp(folder, "2012-03-03");
    settings.RegisterSprite = true;
    ASSERT_EQ(update().inserted, 1);
    EXPECT_EQ(image("kfm"), "<null>");
    // Registration's failure counts: the next update does not open it again.
    observer.calls.clear();
    EXPECT_EQ(update().portraits, 0);
    EXPECT_FALSE(labelled("画像登録中：kfm"));

    // The sprite file mended within the same day: still not tried.
    root.write("chars/kfm/kfm.sff", portraitSff());
    stamp(folder, "2012-03-03");
    observer.calls.clear();
    EXPECT_EQ(update().portraits, 0);
    EXPECT_FALSE(labelled("画像登録中：kfm"));

    // Another day: tried again, also when listed rows are not re-read.
    stamp(folder, "2012-03-04");
    settings.CharUpdateCheck = false;
    observer.calls.clear();
    const ListUpdateOutcome outcome = update();
    EXPECT_TRUE(labelled("画像登録中：kfm"));
    EXPECT_EQ(outcome.portraits, 1);
    EXPECT_EQ(outcome.updated, 0);
    EXPECT_EQ(image("kfm"), pngOf("kfm", 9000, 1));
}

TEST_F(Portraits, RecaptureTakesTheShownRowsWithTheNumbersInUseAndKeepsHandSetOnes) {
    for (const char* name : {"kfm", "ryu", "ken", "gone"}) {
        addFolder(name);
    }
    settings.RegisterSprite = true;
    ASSERT_EQ(update().inserted, 4);
    const std::string old = image("ken");
    storeByHand("ryu", "chosen by hand");
    // The user changes 9000/1 to 9000/0; ken's file has no (9000, 0).
    for (const char* name : {"kfm", "ryu"}) {
        root.write(std::string("chars/") + name + "/kfm.sff", portraitSff(9000, 0, 9));
    }
    std::filesystem::remove_all(root.file("chars/gone"));
    settings.RegisterImage = 0;
    settings.RegisterSprite = false; // asked for: the switch does not matter

    const RecaptureOutcome outcome = recapture();
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(japaneseText(outcome.countsText()),
              "ポートレート取り込み直し終了 : 取り込み 1件、 "
              "手動設定のため保持 1件、 取り込めず 1件、 見つからず 1件");
    EXPECT_EQ(image("kfm"), pngOf("kfm", 9000, 0));
    EXPECT_EQ(image("ryu"), "chosen by hand");
    EXPECT_EQ(image("ken"), old);
    EXPECT_EQ(observer.calls.back(), "blink");
    EXPECT_NE(std::find(observer.calls.begin(), observer.calls.end(), "reload"),
              observer.calls.end());
    EXPECT_TRUE(std::none_of(observer.calls.begin(), observer.calls.end(),
                             [](const std::string& call) { return call.starts_with("message:"); }));
}

TEST_F(Portraits, RecaptureTakesOnlyTheRowsTheSearchShows) {
    DefFields fields;
    fields.name = "Kung Fu Man";
    addFolder("kfm", fields);
    fields.name = "Ryu";
    addFolder("ryu", fields);
    settings.RegisterSprite = true;
    ASSERT_EQ(update().inserted, 2);
    for (const char* name : {"kfm", "ryu"}) {
        root.write(std::string("chars/") + name + "/kfm.sff", portraitSff(9000, 1, 9));
    }
    const RecaptureOutcome outcome = recapture({kNameColumn, MatchMode::Contains, "fu"});
    EXPECT_EQ(outcome.recaptured, 1);
    EXPECT_EQ(image("kfm"), pngOf("kfm", 9000, 1));
    EXPECT_NE(image("ryu"), pngOf("ryu", 9000, 1)); // still the fill-7 portrait
}

TEST_F(Portraits, TheHandMarkSurvivesARestartAndGoesWhenTheEntryChanges) {
    addFolder("kfm");
    const std::string folder = addFolder("ryu");
    settings.RegisterSprite = true;
    ASSERT_EQ(update().inserted, 2);
    storeByHand("ryu", "chosen by hand");
    {
        Kel_CharacterDb reopened("db.sqlite3");
        EXPECT_EQ(handSetNames(reopened), "ryu ");
    }
    // A changed entry is read again: its portrait replaces the hand-set one.
    stamp(folder, "2013-01-01");
    ASSERT_EQ(update().updated, 1);
    EXPECT_EQ(image("ryu"), pngOf("ryu", 9000, 1));
    EXPECT_EQ(handSetNames(catalogue), "");
}

TEST_F(Portraits, ACancelledRecaptureKeepsWhatIsStored) {
    addFolder("kfm");
    ASSERT_EQ(update().inserted, 1);
    cancel = true;
    const RecaptureOutcome outcome = recapture();
    // Stopped, not completed: the companion exits 1 for it.
    EXPECT_FALSE(outcome.completed);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.catalogueFailed);
    EXPECT_EQ(outcome.recaptured, 0);
    EXPECT_EQ(image("kfm"), "<null>");
    EXPECT_EQ(observer.calls.back(), "blink");
}

TEST_F(Portraits, AnExistingCatalogueGetsTheMarkColumnsOnceAndKeepsItsRows) {
    addFolder("kfm");
    ASSERT_EQ(update().inserted, 1); // RegisterSprite off: no column added yet
    const StoredRow before = row("kfm");
    ASSERT_TRUE(PortraitMarks(catalogue).markFailed("kfm", "2012-03-03"));
    ASSERT_TRUE(PortraitMarks(catalogue).markFailed("kfm", "2012-03-04"));
    EXPECT_EQ(row("kfm").text, before.text);
    Statement columns(catalogue.statements(),
                      "SELECT group_concat(name, ' ') FROM pragma_table_info('CHARACTER_TABLE')");
    ASSERT_EQ(columns.step(), SQLITE_ROW);
    EXPECT_TRUE(columns.textAt(0).ends_with("IMAGE PORTRAIT_BY_HAND PORTRAIT_FAILED_DATE"))
        << columns.textAt(0);
}

} // namespace
} // namespace zorvik::test
