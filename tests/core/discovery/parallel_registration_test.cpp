// The first registration of a collection reads character files on several
// threads; the catalogue it leaves must be the one of a run that takes one
// character after another: the same rows with the same IDs, the same
// portraits, the same counts, labels and messages.
#include <filesystem>

#include "core/archive/archiver_handler.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/registration.h"
#include "core/platform/directory_listing.h"
#include "list_update_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;

// Every column of every row, IMAGE bytes included, in ID order.
std::vector<std::string> everyRow(Kel_CharacterDb& catalogue) {
    Statement rows(catalogue.statements(),
                   "SELECT ID, FILETYPE, FILENAME, PATH_ID, NAME, NAME2, AUTHOR, AI_AUTHOR, "
                   "UPDATE_DATE, COMMENT, SPECIAL1, SPECIAL2, SUPPORTED_VER, DELETED, "
                   "LASTCHECK_DATE, hex(IMAGE) FROM CHARACTER_TABLE ORDER BY ID");
    std::vector<std::string> all;
    while (rows.step() == SQLITE_ROW) {
        std::string line;
        for (int column = 0; column < rows.columnCount(); ++column) {
            line += (rows.isNull(column) ? "<null>" : rows.textAt(column)) + "|";
        }
        all.push_back(line);
    }
    return all;
}

class ParallelRegistration : public ListUpdateFixture {
protected:
    // Folders and archives, with portraits that differ, a folder without a
    // character, two archives whose names differ only in the extension's
    // case (one FILENAME), and an archive whose extraction folder is taken.
    void SetUp() override {
        settings.RegisterSprite = true;
        for (int i = 0; i < 30; ++i) {
            DefFields fields;
            fields.name = "Folder " + std::to_string(i);
            const std::string name = "f" + std::to_string(100 + i);
            root.write("chars/" + name + "/" + name + ".def", defText(fields));
            root.write("chars/" + name + "/kfm.sff", portraitSff(9000, 1, i));
        }
        for (int i = 0; i < 12; ++i) {
            DefFields fields;
            fields.name = "Zip " + std::to_string(i);
            writeArchive(root.file("chars/z" + std::to_string(100 + i) + ".zip"), ArchiveFormat::Zip,
                         {FixtureEntry::file("a.def", defText(fields)),
                          FixtureEntry::file("kfm.sff", portraitSff(9000, 1, 40 + i))});
        }
        root.makeFolder("chars/nothing here");
        DefFields upper;
        upper.name = "Upper";
        writeArchive(root.file("chars/dup.ZIP"), ArchiveFormat::Zip,
                     {FixtureEntry::file("a.def", defText(upper))});
        stamp(root.file("chars/dup.ZIP"), "2010-01-01");
        DefFields lower;
        lower.name = "Lower";
        writeArchive(root.file("chars/dup.zip"), ArchiveFormat::Zip,
                     {FixtureEntry::file("a.def", defText(lower))});
        stamp(root.file("chars/dup.zip"), "2011-01-01");
        writeArchive(root.file("chars/z150.zip"), ArchiveFormat::Zip, {});
        root.makeFolder("temp/z150.zip");
    }

    // The update as one character after another, with registration's own calls.
    void registerOneByOne(Kel_CharacterDb& into, RecordingMessages& shown) {
        const char* plugins = std::getenv("ZORVIK_PLUGIN_DIR");
        KelArchiverHandler archiver(plugins ? plugins : "");
        RegistrationRecords records(into);
        const auto listing = platform::listDirectory(settings.MainDir);
        for (const Candidate& candidate : scanCandidates(listing, 16, cancel)) {
            const CharacterLookup lookup = records.lookup(candidate.name);
            if (!lookup.known) {
                registerCharacter(settings, into, shown, archiver, candidate, -1);
            } else if (lookup.known->entryDate != candidate.date) {
                registerCharacter(settings, into, shown, archiver, candidate, lookup.known->id);
            }
        }
    }

    ListUpdateOutcome updateWith(std::size_t workers, Kel_CharacterDb& into,
                                 RecordingMessages& shown, RecordingObserver& seen) {
        const char* plugins = std::getenv("ZORVIK_PLUGIN_DIR");
        return RunListUpdate(
            {settings, into, shown, seen, cancel, plugins ? plugins : "", nullptr, workers});
    }
};

TEST_F(ParallelRegistration, GivesTheCatalogueOfOneCharacterAfterAnother) {
    Kel_CharacterDb reference(root.file("reference.sqlite3"));
    RecordingMessages referenceMessages;
    registerOneByOne(reference, referenceMessages);
    const std::vector<std::string> expected = everyRow(reference);
    ASSERT_EQ(expected.size(), 43u); // 30 folders, 12 archives, one row for both dup archives

    std::vector<std::string> firstCalls;
    for (const std::size_t workers : {1u, 2u, 8u}) {
        const std::string path = root.file("w" + std::to_string(workers) + ".sqlite3");
        Kel_CharacterDb run(path);
        RecordingMessages shown;
        RecordingObserver seen;
        const ListUpdateOutcome outcome = updateWith(workers, run, shown, seen);
        EXPECT_EQ(everyRow(run), expected) << workers << " workers";
        EXPECT_EQ(shown.shown(), referenceMessages.shown()) << workers << " workers";
        EXPECT_EQ(outcome.inserted, 43);
        EXPECT_EQ(outcome.updated, 1); // the second dup archive rewrote the first one's row
        if (firstCalls.empty()) {
            firstCalls = seen.calls;
        }
        EXPECT_EQ(seen.calls, firstCalls) << workers << " workers";
        EXPECT_TRUE(fs::is_empty(root.file("temp/z150.zip")));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(settings.TempDir), fs::directory_iterator()),
              1); // only the folder that was there before
}

TEST_F(ParallelRegistration, ACancelLeavesWhatWasWrittenAndNoExtractionFolder) {
    RecordingMessages shown;
    RecordingObserver seen;
    int labels = 0;
    seen.onLabel = [&](const std::string& text) {
        if (text.rfind("新規追加処理中：", 0) == 0 && ++labels == 5) {
            cancel = true;
        }
    };
    const ListUpdateOutcome outcome = updateWith(4, catalogue, shown, seen);
    EXPECT_EQ(outcome.inserted, 5);
    EXPECT_EQ(rowCount(), 5u);
    EXPECT_EQ(std::distance(fs::directory_iterator(settings.TempDir), fs::directory_iterator()), 1);
    cancel = false;
    EXPECT_EQ(updateWith(4, catalogue, shown, seen).inserted, 38);
}

} // namespace
} // namespace zorvik::test
