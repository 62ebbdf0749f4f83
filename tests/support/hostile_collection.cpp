#include "support/hostile_collection.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

#include "core/text/encoding.h"
#include "support/archive_writer.h"
#include "support/character_fixture.h"
#include "support/hostile_files.h"
#include "support/noise.h"
#include "support/rar4_writer.h"
#include "support/rar5_writer.h"

namespace zorvik::test {

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kBombSize = std::uint64_t{3} << 30;
constexpr std::size_t kEndlessLine = 10 << 20;

std::string cp932(const std::string& utf8) {
    return text::utf8ToCp932(utf8).value();
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

DefFields named(const std::string& name) {
    DefFields fields;
    fields.name = name;
    fields.displayName = name;
    return fields;
}

// A character's files as archive entries, in a top folder as downloads have them.
std::vector<FixtureEntry> characterEntries(const DefFields& fields) {
    return {FixtureEntry::folder("chara/"), FixtureEntry::file("chara/chara.def", defText(fields)),
            FixtureEntry::file("chara/kfm.sff", portraitSff())};
}

class CollectionWriter {
public:
    CollectionWriter(const std::string& characters, const std::string& outside)
        : characters_(characters), outside_(outside) {}

    void folderCharacter(const std::string& folder, const DefFields& fields,
                         const std::string& sff = portraitSff()) {
        writeBytes(characters_ / folder / "chara.def", defText(fields));
        writeBytes(characters_ / folder / fields.sprite, sff);
    }

    void archive(const std::string& file, ArchiveFormat format,
                 const std::vector<FixtureEntry>& entries) {
        writeArchive((characters_ / file).string(), format, entries);
    }

    void registrable(const std::string& name, bool withSprite = true) {
        collection.names.push_back(name);
        if (withSprite) {
            collection.namesWithSprite.push_back(name);
        }
    }

    void validCharacters();
    void hostileArchives();
    void hostileFiles();
    void links();

    HostileCollection collection;

private:
    fs::path characters_;
    fs::path outside_;
};

void CollectionWriter::validCharacters() {
    folderCharacter("kfm", named("Kung Fu Man"));
    registrable("Kung Fu Man");
    // A folder, .def and sprite named in Shift-JIS, the .def's text too.
    const std::string japanese = cp932("キャラ");
    DefFields sjis = named("キャラクター");
    sjis.sprite = "絵.sff";
    writeBytes(characters_ / japanese / cp932("キャラ.def"), cp932(defText(sjis)));
    writeBytes(characters_ / japanese / cp932("絵.sff"), portraitSff());
    registrable("キャラクター");
    folderCharacter("Say \"Hi\" 100%", named("Say \"Hi\" 100%"));
    registrable("Say \"Hi\" 100%");
    folderCharacter("NAME", named("NAME"));
    registrable("NAME");
    folderCharacter("or", named("x' OR '1'='1"));
    registrable("x' OR '1'='1");
    archive("zipped.zip", ArchiveFormat::Zip, characterEntries(named("Zipped")));
    registrable("Zipped");
    archive("seven.7z", ArchiveFormat::SevenZip, characterEntries(named("Seven")));
    registrable("Seven");
    writeBytes(characters_ / "rar four.rar", rar4Archive(characterEntries(named("RarFour"))));
    registrable("RarFour");
    archive("rar5 100%.rar", ArchiveFormat::Rar5, characterEntries(named("FILENAME")));
    registrable("FILENAME");
    archive(cp932("圧縮.zip"), ArchiveFormat::Zip, characterEntries(named("圧縮")));
    registrable("圧縮");
    archive("it's.zip", ArchiveFormat::Zip, characterEntries(named("Apostrophe")));
    registrable("Apostrophe");
}

void CollectionWriter::hostileArchives() {
    std::vector<FixtureEntry> escaping = characterEntries(named("Escaper"));
    escaping.push_back(FixtureEntry::file("../../escaped.def", defText(named("Escaped"))));
    escaping.push_back(FixtureEntry::file("../escaped.sff", portraitSff()));
    escaping.push_back(FixtureEntry::file((outside_ / "absolute.def").string(), "[Info]\nname=A"));
    escaping.push_back(FixtureEntry::symbolicLink("chara/link.sff", outside_.string()));
    archive("escaping.zip", ArchiveFormat::Zip, escaping);
    registrable("Escaper");
    writeBytes(characters_ / "bomb.zip", zipBomb("kfm.sff", kBombSize));
    archive("truncated.7z", ArchiveFormat::SevenZip, characterEntries(named("Truncated")));
    fs::resize_file(characters_ / "truncated.7z", fs::file_size(characters_ / "truncated.7z") / 2);
    // A changed name breaks a header's CRC, so nothing is extracted.
    writeBytes(characters_ / "damaged.rar",
               withFlippedByte(rar4Archive(characterEntries(named("Damaged"))), "chara.def"));
    writeBytes(characters_ / "damaged5.rar",
               withFlippedByte(rar5Archive(characterEntries(named("Damaged"))), "chara.def"));
    writeBytes(characters_ / "garbage.zip", pseudoRandomBytes(4096, 1));
}

void CollectionWriter::hostileFiles() {
    writeBytes(characters_ / "endless" / "endless.def", endlessLineDef(kEndlessLine));
    writeBytes(characters_ / "garbage" / "garbage.def", pseudoRandomBytes(1 << 20, 2));
    folderCharacter("looping", named("Looping"), loopingSff());
    registrable("Looping", false);
    folderCharacter("huge", named("Huge"), hugeSpriteSff());
    registrable("Huge", false);
    // Reading a FIFO would wait for a writer that never comes.
    fs::create_directories(characters_ / "fifo");
    mkfifo((characters_ / "fifo" / "fifo.def").c_str(), 0644);
    mkfifo((characters_ / "pipe.zip").c_str(), 0644);
}

void CollectionWriter::links() {
    writeBytes(outside_ / "outsider" / "outsider.def", defText(named("Outsider")));
    fs::create_directory_symlink(outside_ / "outsider", characters_ / "outside-link");
    fs::create_directory_symlink(characters_, characters_ / "self");
    fs::create_symlink(outside_ / "missing.zip", characters_ / "dangling.zip");
    folderCharacter("linked sprite", named("Linked Sprite"));
    fs::remove(characters_ / "linked sprite" / "kfm.sff");
    writeBytes(outside_ / "shared.sff", portraitSff());
    fs::create_symlink(outside_ / "shared.sff", characters_ / "linked sprite" / "kfm.sff");
    registrable("Linked Sprite");
}

} // namespace

HostileCollection writeHostileCollection(const std::string& charactersFolder,
                                         const std::string& outsideFolder) {
    CollectionWriter writer(charactersFolder, outsideFolder);
    writer.validCharacters();
    writer.hostileArchives();
    writer.hostileFiles();
    writer.links();
    return writer.collection;
}

} // namespace zorvik::test
