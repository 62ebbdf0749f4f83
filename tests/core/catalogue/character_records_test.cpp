#include "core/catalogue/character_records.h"

#include <array>

#include <gtest/gtest.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/columns.h"
#include "core/catalogue/portrait_store.h"
#include "core/catalogue/registration_records.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

using Stage = CatalogueStatus::Stage;

class Records : public ::testing::Test {
protected:
    // A row as registration leaves it: the user's columns and IMAGE are NULL.
    std::int64_t addCharacter(const std::string& fileName, const std::string& name) {
        RegistrationRecords registration(catalogue);
        RegisteredCharacter row{0, fileName, name, "", "author", "1.0", "2002", "2012-03-03"};
        EXPECT_TRUE(registration.insert(row));
        return registration.lookup(fileName).known->id;
    }

    std::string column(std::int64_t id, int index) {
        return records.columnText(id, index).value_or("<none>");
    }

    test::TempFolder temp;
    Kel_CharacterDb catalogue{temp.file("db.sqlite3")};
    CharacterRecords records{catalogue};
    PortraitStore portraits{catalogue};
};

TEST_F(Records, DetailReadsEveryFieldAsTextAndLeavesValuesForAnAbsentRecord) {
    const std::int64_t id = addCharacter("kfm", "Kung Fu Man");
    std::array<std::string, CharacterRecords::kDetailFieldCount> values;
    values.fill("old");
    ASSERT_TRUE(records.readDetail(id, values));
    EXPECT_EQ(values[0], "Kung Fu Man");
    EXPECT_EQ(values[1], "");   // NAME2 empty as registered
    EXPECT_EQ(values[3], "");   // AI_AUTHOR NULL
    EXPECT_EQ(values[8], "kfm"); // FILENAME
    EXPECT_EQ(values[10], std::to_string(id));
    EXPECT_EQ(values[11], "2012-03-03");
    EXPECT_EQ(values[12], "0"); // FILETYPE as text
    EXPECT_EQ(values[13], "1"); // PATH_ID

    values.fill("kept");
    EXPECT_TRUE(records.readDetail(id + 100, values));
    EXPECT_EQ(values[0], "kept");
}

TEST_F(Records, UpdateBindsQuotesAndTouchesOnlyItsRow) {
    const std::int64_t kfm = addCharacter("kfm", "Kung Fu Man");
    const std::int64_t ryu = addCharacter("ryu", "Ryu");
    EditableFields fields{"K'; DROP TABLE CHARACTER_TABLE; --", "name2", "a", "ai", "s1", "s2",
                          "1.1", "it's \"good\""};
    ASSERT_TRUE(records.updateEditable(std::to_string(kfm), fields));
    EXPECT_EQ(column(kfm, kNameColumn), fields.name);
    EXPECT_EQ(column(kfm, kCommentColumn), fields.comment);
    EXPECT_EQ(column(kfm, kSpecial1Column), "s1");
    EXPECT_EQ(column(kfm, kSupportedVerColumn), "1.1");
    EXPECT_EQ(column(ryu, kNameColumn), "Ryu");
    // An ID that names no row writes nothing and still succeeds, as the statement does.
    EXPECT_TRUE(records.updateEditable("999", fields));
}

TEST_F(Records, AnIdThatIsNotAPlainNumberIsRefusedBeforeAnythingIsWritten) {
    const std::int64_t kfm = addCharacter("kfm", "Kung Fu Man");
    for (const char* id : {"1 OR 1=1", "", " 1", "1.0", "+1", "0x1", "99999999999999999999"}) {
        const CatalogueStatus status = records.updateEditable(id, {"changed", "", "", "", "", "", "", ""});
        EXPECT_EQ(status.failedAt, Stage::Prepare) << id;
        EXPECT_NE(status.error.find(id), std::string::npos) << id;
    }
    EXPECT_EQ(column(kfm, kNameColumn), "Kung Fu Man");
    EXPECT_EQ(parseRecordId("-3"), -3);
}

TEST_F(Records, ColumnTextAndDeletion) {
    const std::int64_t kfm = addCharacter("kfm", "Kung Fu Man");
    EXPECT_EQ(column(kfm, kFileTypeColumn), "0");
    EXPECT_EQ(records.columnText(kfm, kColumnCount), std::nullopt);
    ASSERT_TRUE(records.deleteRecord(kfm));
    EXPECT_EQ(records.columnText(kfm, kNameColumn), std::nullopt);
    EXPECT_TRUE(records.deleteRecord(kfm)); // nothing left to delete is no failure
}

TEST_F(Records, PortraitsByIdAndByFileName) {
    const std::int64_t kfm = addCharacter("kfm", "Kung Fu Man");
    EXPECT_FALSE(portraits.readById(kfm).opened); // NULL

    ASSERT_TRUE(portraits.writeById(kfm, {}));
    const PortraitRead empty = portraits.readById(kfm);
    EXPECT_TRUE(empty.opened);
    EXPECT_TRUE(empty.bytes.empty());

    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0, 1, 2};
    ASSERT_TRUE(portraits.writeByFileName("kfm", png));
    const PortraitRead read = portraits.readById(kfm);
    EXPECT_EQ(read.bytes, png);
    EXPECT_FALSE(read.readFailed);
    EXPECT_EQ(read.closeError, 0);
    EXPECT_FALSE(portraits.readById(kfm + 1).opened);
}

TEST_F(Records, RegistrationLooksUpByFileNameAndUpdatesInPlace) {
    RegistrationRecords registration(catalogue);
    EXPECT_FALSE(registration.lookup("kfm").known);
    const std::int64_t kfm = addCharacter("kfm", "Kung Fu Man");
    const CharacterLookup found = registration.lookup("kfm");
    ASSERT_TRUE(found.known);
    EXPECT_EQ(found.known->entryDate, "2012-03-03");
    RegisteredCharacter changed{0, "kfm", "KFM", "", "", "", "", "2020-01-01"};
    ASSERT_TRUE(registration.update(kfm, changed));
    EXPECT_EQ(column(kfm, kNameColumn), "KFM");
    EXPECT_EQ(registration.lookup("kfm").known->entryDate, "2020-01-01");
}

TEST_F(Records, FailuresCarryTheStageAndTheDatabasesMessage) {
    ASSERT_TRUE(catalogue.DropCharacterTable());
    RegistrationRecords registration(catalogue);
    const CharacterLookup lookup = registration.lookup("kfm");
    EXPECT_EQ(lookup.status.failedAt, Stage::Prepare);
    EXPECT_EQ(lookup.status.error, "no such table: CHARACTER_TABLE");
    const CatalogueStatus insert = registration.insert(RegisteredCharacter{});
    EXPECT_EQ(insert.failedAt, Stage::Prepare);
    EXPECT_EQ(insert.statement, RegistrationRecords::kInsertSql);
    std::array<std::string, CharacterRecords::kDetailFieldCount> values;
    EXPECT_EQ(records.readDetail(1, values).failedAt, Stage::Prepare);
    EXPECT_EQ(portraits.writeById(1, {1}).failedAt, Stage::Prepare);
    EXPECT_EQ(records.deleteRecord(1).failedAt, Stage::Prepare);
    ASSERT_TRUE(registration.begin());
    EXPECT_EQ(registration.begin().failedAt, Stage::Run); // no transaction within a transaction
    EXPECT_TRUE(registration.commit());
}

} // namespace
} // namespace zorvik
