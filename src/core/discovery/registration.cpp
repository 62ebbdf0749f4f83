#include "core/discovery/registration.h"

#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>

#include "core/archive/archiver_handler.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_files.h"
#include "core/discovery/def_file.h"
#include "core/discovery/directory_tree.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "core/sprite/portrait_capture.h"

namespace zorvik {

namespace {

constexpr const char* kInsertSql =
    "INSERT INTO CHARACTER_TABLE(FILETYPE, FILENAME, PATH_ID, NAME, NAME2, AUTHOR, UPDATE_DATE, "
    "SUPPORTED_VER, DELETED, LASTCHECK_DATE) VALUES(?, ?, 1, ?, ?, ?, ?, ?, 0, ?)";
constexpr const char* kUpdateSql =
    "UPDATE CHARACTER_TABLE SET FILETYPE=?, FILENAME=?, PATH_ID=1, NAME=?, NAME2=?, AUTHOR=?, "
    "UPDATE_DATE=?, SUPPORTED_VER=?, DELETED=0, LASTCHECK_DATE=? WHERE ID=?";

// Writes the row; every value is bound, so quotes or column names in a
// .def file are stored as they are and cannot touch another row. A failure
// (a full disk, a damaged catalogue) is told with the database's reason.
bool writeRow(const RegistrationContext& context, const Candidate& candidate,
              const DefIdentity& identity, std::int64_t id) {
    const char* sql = id < 0 ? kInsertSql : kUpdateSql;
    Statement statement(context.catalogue.statements(), sql);
    const auto fail = [&] {
        context.messages.show("エラー：" + context.catalogue.LastError() + "\nSQL : \n" + sql);
        return false;
    };
    if (!statement.isValid()) {
        return fail();
    }
    std::vector<BoundValue> values = {
        BoundValue::ofInt(candidate.fileType),     BoundValue::ofText(candidate.name),
        BoundValue::ofText(identity.name),         BoundValue::ofText(identity.displayName),
        BoundValue::ofText(identity.author),       BoundValue::ofText(identity.versionDate),
        BoundValue::ofText(identity.mugenVersion), BoundValue::ofText(candidate.date)};
    if (id >= 0) {
        values.push_back(BoundValue::ofInt(id));
    }
    return (statement.bind(values) && statement.step() == SQLITE_DONE) || fail();
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

RegistrationResult RegisterCharacter(const RegistrationContext& context, const Candidate& candidate,
                                     std::int64_t id) {
    const bool isArchive = candidate.fileType != kFolderCharacter;
    const std::string path = context.settings.MainDir + "/" + candidate.diskName;
    std::string characterFolder = path;
    if (isArchive) {
        const auto folder = makeExtractionFolder(context, candidate);
        if (!folder) {
            return RegistrationResult::NoCharacter;
        }
        extractArchive(context.archiver, path, *folder);
        characterFolder = folder->substr(0, folder->size() - 1);
    }
    const std::vector<std::string> defFiles = findDefFiles(characterFolder);
    RegistrationResult result = RegistrationResult::NoCharacter;
    std::optional<std::string> sprite;
    for (const std::string& defFile : defFiles) {
        const auto identity = readDefFile(defFile);
        if (!identity) {
            continue;
        }
        sprite = identity->sprite;
        result = writeRow(context, candidate, *identity, id) ? RegistrationResult::Written
                                                             : RegistrationResult::CatalogueError;
        break;
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
    return result;
}

} // namespace zorvik
