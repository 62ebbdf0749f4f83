#include "core/discovery/registration.h"

#include <optional>

#include "core/archive/archiver_handler.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_files.h"
#include "core/discovery/def_file.h"
#include "core/discovery/directory_tree.h"
#include "core/platform/file_io.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "core/sprite/portrait_capture.h"

namespace zorvik {

namespace {

// Writes the row; every value is bound, so quotes or column names in a
// .def file are stored as they are and cannot touch another row. A failure
// (a full disk, a damaged catalogue) is told with the database's reason.
bool writeRow(const RegistrationContext& context, const Candidate& candidate,
              const DefIdentity& identity, std::int64_t id) {
    const RegisteredCharacter row{candidate.fileType,    candidate.name,         identity.name,
                                  identity.displayName,  identity.author,        identity.versionDate,
                                  identity.mugenVersion, candidate.date};
    RegistrationRecords records(context.catalogue);
    const CatalogueStatus status = id < 0 ? records.insert(row) : records.update(id, row);
    if (!status) {
        context.messages.show("エラー：" + status.error + "\nSQL : \n" + status.statement);
    }
    return status.ok();
}

// TempDir/<archive name>/, created as a single new folder; none (after
// telling the user) when it cannot be created, also when it exists.
std::optional<std::string> makeExtractionFolder(const RegistrationContext& context,
                                                const Candidate& candidate) {
    const std::string& tempDir = context.settings.TempDir;
    const std::string separator = (!tempDir.empty() && tempDir.back() == '/') ? "" : "/";
    const std::string folder = tempDir + separator + candidate.name + "/";
    if (!platform::createSingleFolder(folder)) {
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
    // An archive's sprite path that climbs out of its extraction folder is
    // refused like a missing file: it could name any file on the machine.
    const bool spriteAllowed = sprite && (!isArchive || staysInsideFolder(*sprite));
    if (context.settings.RegisterSprite && spriteAllowed) {
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
