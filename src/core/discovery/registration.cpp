#include "core/discovery/registration.h"

#include "core/archive/archiver_handler.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_files.h"
#include "core/discovery/collection_scan.h"
#include "core/discovery/directory_tree.h"
#include "core/platform/deferred_messages.h"
#include "core/platform/file_io.h"
#include "core/settings/app_settings.h"

namespace zorvik {

namespace {

// Writes the row; every value is bound, so quotes or column names in a
// .def file are stored as they are and cannot touch another row. A failure
// (a full disk, a damaged catalogue) is told with the database's reason.
bool writeRow(Kel_CharacterDb& catalogue, UserMessages& messages, const Candidate& candidate,
              const DefIdentity& identity, std::int64_t id) {
    const RegisteredCharacter row{candidate.fileType,    candidate.name,         identity.name,
                                  identity.displayName,  identity.author,        identity.versionDate,
                                  identity.mugenVersion, candidate.date};
    RegistrationRecords records(catalogue);
    const CatalogueStatus status = id < 0 ? records.insert(row) : records.update(id, row);
    if (!status) {
        messages.show("エラー：" + status.error + "\nSQL : \n" + status.statement);
    }
    return status.ok();
}

// TempDir/<archive's FILENAME, encoded into one name>/, created as a single
// new folder; none (with the message) when it cannot be created, also when
// it exists.
std::optional<std::string> makeExtractionFolder(const AppSettings& settings,
                                                const Candidate& candidate,
                                                std::vector<std::string>& messages) {
    const std::string& tempDir = settings.TempDir;
    const std::string separator = (!tempDir.empty() && tempDir.back() == '/') ? "" : "/";
    const std::string folder = tempDir + separator + extractionFolderName(candidate.name) + "/";
    if (!platform::createSingleFolder(folder)) {
        messages.push_back(folder + "を作れませんでした");
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

std::optional<DefIdentity> firstIdentity(const std::string& characterFolder) {
    for (const std::string& defFile : findDefFiles(characterFolder)) {
        if (auto identity = readDefFile(defFile)) {
            return identity;
        }
    }
    return std::nullopt;
}

// The portrait is taken even when the row cannot be written later, as long
// as the .def named a sprite. An archive's sprite path that climbs out of
// its extraction folder is refused like a missing file: it could name any
// file on the machine.
std::optional<PortraitPng> takePortrait(const AppSettings& settings, bool isArchive,
                                        const std::string& characterFolder,
                                        const DefIdentity& identity) {
    if (!settings.RegisterSprite || (isArchive && !staysInsideFolder(identity.sprite))) {
        return std::nullopt;
    }
    return MakePortraitPng(locateSpriteFile(characterFolder, identity.sprite),
                           settings.RegisterGroup, settings.RegisterImage);
}

} // namespace

PreparedCharacter PrepareCharacter(const AppSettings& settings, KelArchiverHandler& archiver,
                                   UserMessages& questions, const Candidate& candidate) {
    PreparedCharacter prepared;
    const bool isArchive = candidate.fileType != kFolderCharacter;
    const std::string path = settings.MainDir + "/" + candidate.diskName;
    std::string characterFolder = path;
    if (isArchive) {
        const auto folder = makeExtractionFolder(settings, candidate, prepared.refusalMessages);
        if (!folder) {
            prepared.refused = true;
            return prepared;
        }
        extractArchive(archiver, path, *folder);
        characterFolder = folder->substr(0, folder->size() - 1);
    }
    prepared.identity = firstIdentity(characterFolder);
    if (prepared.identity) {
        prepared.portrait = takePortrait(settings, isArchive, characterFolder, *prepared.identity);
    }
    if (isArchive) {
        DeferredMessages cleanup(questions);
        if (!DeleteDirectoryTree(characterFolder, cleanup)) {
            cleanup.show("展開したディレクトリを削除できませんでした");
        }
        prepared.cleanupMessages = cleanup.take();
    }
    return prepared;
}

RegistrationResult CommitCharacter(Kel_CharacterDb& catalogue, UserMessages& messages,
                                   const Candidate& candidate, std::int64_t id,
                                   const PreparedCharacter& prepared) {
    showAll(messages, prepared.refusalMessages);
    if (prepared.refused) {
        return RegistrationResult::NoCharacter;
    }
    RegistrationResult result = RegistrationResult::NoCharacter;
    if (prepared.identity) {
        result = writeRow(catalogue, messages, candidate, *prepared.identity, id)
                     ? RegistrationResult::Written
                     : RegistrationResult::CatalogueError;
    }
    if (prepared.portrait) {
        StorePortrait(catalogue, messages, candidate.name, *prepared.portrait);
    }
    showAll(messages, prepared.cleanupMessages);
    return result;
}

} // namespace zorvik
