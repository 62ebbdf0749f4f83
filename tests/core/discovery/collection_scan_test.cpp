#include "core/discovery/collection_scan.h"

#include <filesystem>

#include "core/catalogue/statement.h"
#include "list_update_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

// A sorted collection: group folders two and three levels deep, archives
// in them, and one character at the top level.
class SortedCollection : public ListUpdateFixture {
protected:
    SortedCollection() { settings.SearchSubfolders = true; }

    void addArchive(const std::string& path, const std::string& name) {
        DefFields fields;
        fields.name = name;
        fs::create_directories(fs::path(root.file("chars/" + path)).parent_path());
        writeArchive(root.file("chars/" + path), ArchiveFormat::Zip,
                     {FixtureEntry::file("char.def", defText(fields))});
    }

    void addSorted() {
        addFolder("top");
        addFolder("KOF/kyo");
        addFolder("Capcom/Street Fighter/ken");
        addArchive("Capcom/Street Fighter/ryu.ZIP", "Ryu");
        root.write("chars/Capcom/readme.txt", "not a character");
    }

    std::vector<std::string> fileNames() {
        Statement query(catalogue.statements(),
                        "SELECT FILENAME FROM CHARACTER_TABLE ORDER BY FILENAME");
        std::vector<std::string> names;
        while (query.step() == SQLITE_ROW) {
            names.push_back(query.textAt(0));
        }
        return names;
    }

    void link(const std::string& target, const std::string& at) {
        fs::create_directories(fs::path(root.file("chars/" + at)).parent_path());
        fs::create_directory_symlink(target, root.file("chars/" + at));
    }

    void move(const std::string& from, const std::string& to) {
        fs::create_directories(fs::path(root.file("chars/" + to)).parent_path());
        fs::rename(root.file("chars/" + from), root.file("chars/" + to));
    }

    std::vector<Candidate> scanned(bool& complete) {
        const auto listing = platform::listDirectory(settings.MainDir);
        CollectionScan scan = scanCollection(
            settings.MainDir, listing, {settings.RecognizeFileType, true}, cancel);
        complete = scan.complete;
        return scan.candidates;
    }
};

TEST_F(SortedCollection, GroupFoldersAreSearchedAndRowsNamedByTheirPath) {
    settings.RegisterSprite = true;
    addSorted();
    const ListUpdateOutcome outcome = update();
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.inserted, 4);
    EXPECT_THAT(fileNames(), ElementsAre("Capcom/Street Fighter/ken",
                                         "Capcom/Street Fighter/ryu.zip", "KOF/kyo", "top"));
    EXPECT_EQ(row("KOF/kyo").text.at("FILETYPE"), "0");
    EXPECT_EQ(row("KOF/kyo").text.at("LASTCHECK_DATE"), "2012-03-03");
    EXPECT_EQ(row("KOF/kyo").text.at("IMAGE IS NULL"), "0"); // the sprite of the nested folder
    EXPECT_EQ(row("Capcom/Street Fighter/ryu.zip").text.at("NAME"), "Ryu");
    EXPECT_EQ(row("Capcom/Street Fighter/ryu.zip").text.at("FILETYPE"), "2");
    EXPECT_TRUE(messages.shown().empty());
    // Nothing is left in the temporary folder, and nothing changed is read again.
    EXPECT_TRUE(fs::is_empty(settings.TempDir));
    const ListUpdateOutcome again = update();
    EXPECT_EQ(again.inserted + again.updated + again.missing, 0);
}

TEST_F(SortedCollection, ACharacterFolderIsNeverDescendedInto) {
    addFolder("KOF/kyo");
    DefFields alternative;
    alternative.name = "Kyo (old)";
    root.write("chars/KOF/kyo/old/old.def", defText(alternative));
    addFolder("KOF/kyo/old/deeper");
    EXPECT_EQ(update().inserted, 1);
    EXPECT_THAT(fileNames(), ElementsAre("KOF/kyo"));
}

TEST_F(SortedCollection, TwoArchivesOfOneNameInDifferentGroupsAreTwoCharacters) {
    addArchive("A/kfm.zip", "First");
    addArchive("B/kfm.zip", "Second");
    // A leftover extraction folder of a top-level kfm.zip clashes with neither.
    root.makeFolder("temp/kfm.zip");
    EXPECT_EQ(update().inserted, 2);
    EXPECT_EQ(row("A/kfm.zip").text.at("NAME"), "First");
    EXPECT_EQ(row("B/kfm.zip").text.at("NAME"), "Second");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(settings.TempDir), fs::directory_iterator()), 1);
}

TEST_F(SortedCollection, LinkLoopsAndLinksOutsideAreNotFollowed) {
    addFolder("KOF/kyo");
    link("..", "KOF/up");         // back to the character folder
    link(".", "KOF/self");        // to itself
    link("../KOF", "Links/kof");  // to a group folder inside, reached by its own path
    const std::string outside = root.makeFolder("outside");
    addFolder("../outside/group/stranger");
    link(outside, "Links/away");
    link(outside + "/group/stranger", "Links/stranger");
    EXPECT_EQ(update().inserted, 1);
    EXPECT_THAT(fileNames(), ElementsAre("KOF/kyo"));
}

TEST_F(SortedCollection, ATopLevelLinkToACharacterStaysACandidateAsBefore) {
    root.makeFolder("outside");
    addFolder("../outside/kfm");
    link(root.file("outside/kfm"), "kfm");
    link(root.file("outside"), "group"); // a link is never searched as a group folder
    EXPECT_EQ(update().inserted, 1);
    EXPECT_THAT(fileNames(), ElementsAre("kfm"));
}

TEST_F(SortedCollection, TheSearchStopsSixLevelsBelowTheCharacterFolder) {
    addFolder("1/2/3/4/5/six");
    addFolder("1/2/3/4/5/6/seven");
    addArchive("1/2/3/4/5/six.zip", "Six");
    addArchive("1/2/3/4/5/6/seven.zip", "Seven");
    update();
    EXPECT_THAT(fileNames(), ElementsAre("1/2/3/4/5/six", "1/2/3/4/5/six.zip"));
}

TEST_F(SortedCollection, AMoveInsideTheTreeTakesTheRowAlongAndBack) {
    addFolder("KOF/kyo");
    addFolder("KOF/iori");
    update();
    const std::int64_t oldId = row("KOF/kyo").id;
    move("KOF/kyo", "SNK/KOF 98/kyo");
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.moved, 1);
    EXPECT_EQ(outcome.inserted, 0);
    EXPECT_EQ(outcome.missing, 0);
    EXPECT_EQ(row("SNK/KOF 98/kyo").id, oldId);
    EXPECT_EQ(row("SNK/KOF 98/kyo").text.at("DELETED"), "0");
    EXPECT_EQ(row("KOF/kyo").id, 0); // no row of the old path is left

    // Moved back: the same row follows again.
    move("SNK/KOF 98/kyo", "KOF/kyo");
    const ListUpdateOutcome back = update();
    EXPECT_EQ(back.moved, 1);
    EXPECT_EQ(row("KOF/kyo").id, oldId);
    EXPECT_EQ(fileNames(), (std::vector<std::string>{"KOF/iori", "KOF/kyo"}));
}

TEST_F(SortedCollection, SwitchingTheSettingOnKeepsTopLevelRowsAsTheyAre) {
    addFolder("kfm");
    settings.SearchSubfolders = false;
    addFolder("KOF/kyo");
    EXPECT_EQ(update().inserted, 1); // KOF is a folder without a .def: no row
    EXPECT_THAT(fileNames(), ElementsAre("kfm"));
    const std::int64_t id = row("kfm").id;

    settings.SearchSubfolders = true;
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.inserted, 1);
    EXPECT_EQ(outcome.updated + outcome.missing, 0);
    EXPECT_EQ(row("kfm").id, id);

    // Off again: the top level only, exactly as before; the nested row's
    // entry is not listed, so it is marked missing.
    settings.SearchSubfolders = false;
    EXPECT_EQ(update().missing, 1);
    EXPECT_EQ(row("KOF/kyo").text.at("DELETED"), "2");
    EXPECT_EQ(row("kfm").text.at("DELETED"), "0");
}

TEST_F(SortedCollection, ExcludedKindsApplyAtEveryLevel) {
    addSorted();
    settings.RecognizeFileType = 2; // no zip files
    update();
    EXPECT_THAT(fileNames(), ElementsAre("Capcom/Street Fighter/ken", "KOF/kyo", "top"));
    settings.RecognizeFileType = 1; // no folders: group folders are still searched
    update();
    EXPECT_THAT(fileNames(), ::testing::Contains("Capcom/Street Fighter/ryu.zip"));
}

TEST_F(SortedCollection, NamesAreDecodedAndDiskNamesKeptAndCancelStops) {
    addFolder("KOF/kyo");
    addArchive("KOF/Iori.ZIP", "Iori");
    bool complete = false;
    const std::vector<Candidate> found = scanned(complete);
    EXPECT_TRUE(complete);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "KOF/Iori.zip");
    EXPECT_EQ(found[0].diskName, "KOF/Iori.ZIP");
    EXPECT_EQ(found[1].name, "KOF/kyo");

    cancel = true;
    EXPECT_TRUE(scanned(complete).empty());
    EXPECT_FALSE(complete);
}

} // namespace
} // namespace zorvik::test
