#include "core/discovery/registration.h"

#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>

#include "core/archive/archiver_handler.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_files.h"
#include "core/discovery/def_value.h"
#include "core/discovery/directory_tree.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"
#include "core/sprite/portrait_capture.h"

namespace zorvik {

namespace {

constexpr const char* kInsertSql =
    "INSERT INTO CHARACTER_TABLE(FILETYPE, FILENAME, PATH_ID, NAME, NAME2, AUTHOR, UPDATE_DATE, "
    "SUPPORTED_VER, DELETED, LASTCHECK_DATE) VALUES(?, ?, 1, ?, ?, ?, ?, ?, 0, ?)";
constexpr const char* kUpdateSql =
    "UPDATE CHARACTER_TABLE SET FILETYPE=?, FILENAME=?, PATH_ID=1, NAME=?, NAME2=?, AUTHOR=?, "
    "UPDATE_DATE=?, SUPPORTED_VER=?, DELETED=0, LASTCHECK_DATE=? WHERE ID=?";

// What a .def file tells about its character.
struct DefIdentity {
    std::string name;
    std::string displayName;
    std::string versionDate;
    std::string mugenVersion;
    std::string author;
    std::string sprite;
};

// Reads a .def file; none when it has no Name.
std::optional<DefIdentity> readDefFile(const std::string& path) {
    Kel_IniHandler ini;
    ini.SetFileName(path, false);
    ini.SetSection("Info");
    DefIdentity identity;
    if (!ReadDefValue("Name", identity.name, 256, ini)) {
        return std::nullopt;
    }
    ReadDefValue("displayname", identity.displayName, 256, ini);
    ReadDefValue("versiondate", identity.versionDate, 64, ini);
    ReadDefValue("mugenversion", identity.mugenVersion, 64, ini);
    ReadDefValue("author", identity.author, 64, ini);
    ini.SetSection("Files");
    ReadDefValue("sprite", identity.sprite, 256, ini);
    return identity;
}

// Writes the row; every value is bound, so quotes or column names in a
// .def file are stored as they are and cannot touch another row.
bool writeRow(const RegistrationContext& context, const Candidate& candidate,
              const DefIdentity& identity, std::int64_t id) {
    const char* sql = id < 0 ? kInsertSql : kUpdateSql;
    Statement statement(context.catalogue.statements(), sql);
    if (!statement.isValid()) {
        context.messages.show("エラー：" + context.catalogue.LastError() + "\nSQL : \n" + sql);
        return false;
    }
    std::vector<BoundValue> values = {
        BoundValue::ofInt(candidate.fileType),     BoundValue::ofText(candidate.name),
        BoundValue::ofText(identity.name),         BoundValue::ofText(identity.displayName),
        BoundValue::ofText(identity.author),       BoundValue::ofText(identity.versionDate),
        BoundValue::ofText(identity.mugenVersion), BoundValue::ofText(candidate.date)};
    if (id >= 0) {
        values.push_back(BoundValue::ofInt(id));
    }
    return statement.bind(values) && statement.step() == SQLITE_DONE;
}

// TempDir/<archive name>/, created as a single new folder; none (after
// telling the user) when it cannot be created, also when it exists.
std::optional<std::string> makeExtractionFolder(const RegistrationContext& context,
                                                const Candidate& candidate) {
    const std::string& tempDir = context.settings.TempDir;
    const std::string separator = (!tempDir.empty() && tempDir.back() == '/') ? "" : "/";
    const std::string folder = tempDir + separator + candidate.name + "/";
    if (mkdir(folder.c_str(), 0700) != 0) {
        context.messages.show(folder + "を作れませんでした");
        return std::nullopt;
    }
    return folder;
}

void extractArchive(KelArchiverHandler& archiver, const std::string& archive,
                    const std::string& folder) {
    // The plug-in's command line quotes paths without escaping, so a name
    // holding a double quote could split into other words: such an archive
    // is not handed over at all.
    if (archive.find('"') != std::string::npos || folder.find('"') != std::string::npos) {
        return;
    }
    // A refused or failed extraction leaves the folder empty: no .def is found.
    archiver.OpenArchive(archive);
    archiver.Extract(folder);
    archiver.CloseArchive();
}

} // namespace

bool RegisterCharacter(const RegistrationContext& context, const Candidate& candidate,
                       std::int64_t id) {
    const bool isArchive = candidate.fileType != kFolderCharacter;
    const std::string path = context.settings.MainDir + "/" + candidate.diskName;
    std::string characterFolder = path;
    if (isArchive) {
        const auto folder = makeExtractionFolder(context, candidate);
        if (!folder) {
            return false;
        }
        extractArchive(context.archiver, path, *folder);
        characterFolder = folder->substr(0, folder->size() - 1);
    }
    const std::vector<std::string> defFiles = findDefFiles(characterFolder);
    bool written = false;
    std::optional<std::string> sprite;
    for (const std::string& defFile : defFiles) {
        const auto identity = readDefFile(defFile);
        if (!identity) {
            continue;
        }
        sprite = identity->sprite;
        if (writeRow(context, candidate, *identity, id)) {
            written = true;
            break;
        }
    }
    // The portrait is taken even when the row could not be written, as long
    // as a .def file named a sprite; the extracted files are still there.
    if (context.settings.RegisterSprite && sprite) {
        CapturePortrait(context.catalogue, context.messages, candidate.name,
                        locateSpriteFile(characterFolder, *sprite), context.settings.RegisterGroup,
                        context.settings.RegisterImage);
    }
    if (isArchive && !DeleteDirectoryTree(characterFolder, context.messages)) {
        context.messages.show("展開したディレクトリを削除できませんでした");
    }
    return written;
}

} // namespace zorvik
