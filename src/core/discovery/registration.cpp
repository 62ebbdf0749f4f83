#include "core/discovery/registration.h"

#include "core/archive/archiver_handler.h"
#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_extraction.h"
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
        messages.show(Message::of(MessageKind::RowWriteFailed, status.error, status.statement));
    }
    return status.ok();
}

// TempDir/<archive's FILENAME, encoded into one name>/, created as a single
// new folder; none (with the message) when it cannot be created, also when
// it exists.
std::optional<std::string> makeExtractionFolder(const AppSettings& settings,
                                                const Candidate& candidate,
                                                std::vector<Message>& messages) {
    const std::string& tempDir = settings.TempDir;
    const std::string separator = (!tempDir.empty() && tempDir.back() == '/') ? "" : "/";
    const std::string folder = tempDir + separator + extractionFolderName(candidate.name) + "/";
    if (!platform::createSingleFolder(folder)) {
        messages.push_back(Message::of(MessageKind::ExtractionFolderFailed, folder));
        return std::nullopt;
    }
    return folder;
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

// Stores the prepared portrait and remembers how taking it went. A portrait
// taken from the character's files replaces one chosen by hand, since the
// entry changed, so the hand mark goes with it. The marks only steer later
// attempts: a failure to write them is not worth a message per character.
bool storePortrait(Kel_CharacterDb& catalogue, UserMessages& messages, const Candidate& candidate,
                   const PreparedCharacter& prepared) {
    if (!prepared.portraitWanted) {
        return false;
    }
    const bool stored =
        prepared.portrait && StorePortrait(catalogue, messages, candidate.name, *prepared.portrait);
    PortraitMarks marks(catalogue);
    if (stored) {
        marks.markCaptured(candidate.name);
    } else {
        marks.markFailed(candidate.name, candidate.date);
    }
    return stored;
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
        ExtractCharacterArchive(archiver, path, *folder);
        characterFolder = folder->substr(0, folder->size() - 1);
    }
    prepared.identity = firstIdentity(characterFolder);
    prepared.portraitWanted = settings.RegisterSprite;
    if (prepared.identity) {
        prepared.portrait = takePortrait(settings, isArchive, characterFolder, *prepared.identity);
    }
    if (isArchive) {
        DeferredMessages cleanup(questions);
        if (!DeleteDirectoryTree(characterFolder, cleanup)) {
            cleanup.show(Message::of(MessageKind::ExtractedFolderKept));
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
    if (result == RegistrationResult::Written) {
        storePortrait(catalogue, messages, candidate, prepared);
    } else if (prepared.portrait) {
        StorePortrait(catalogue, messages, candidate.name, *prepared.portrait);
    }
    showAll(messages, prepared.cleanupMessages);
    return result;
}

bool CommitPortrait(Kel_CharacterDb& catalogue, UserMessages& messages, const Candidate& candidate,
                    const PreparedCharacter& prepared) {
    showAll(messages, prepared.refusalMessages);
    const bool stored =
        !prepared.refused && storePortrait(catalogue, messages, candidate, prepared);
    showAll(messages, prepared.cleanupMessages);
    return stored;
}

} // namespace zorvik
