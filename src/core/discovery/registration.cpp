#include "core/discovery/registration.h"

#include "core/archive/archiver_handler.h"
#include "core/catalogue/character_sources.h"
#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_extraction.h"
#include "core/discovery/character_files.h"
#include "core/discovery/directory_tree.h"
#include "core/platform/deferred_messages.h"
#include "core/platform/file_io.h"
#include "core/platform/scratch_folder.h"
#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"

namespace zorvik {

namespace {

// The scratch folders archives are extracted into: "zorvik-scratch-extract-XXXXXX".
constexpr const char* kExtractionPurpose = "extract";

RegisteredCharacter registeredRow(const Candidate& candidate, const DefIdentity& identity) {
    return {candidate.fileType,    candidate.name,   identity.name,        identity.displayName,
            identity.author,       identity.versionDate, identity.mugenVersion, candidate.date};
}

// Writes the row (inserted for an id < 0, moved into it when moved) and
// its source; every value is bound, so quotes or column names in a .def
// file are stored as they are and cannot touch another row. A failure (a
// full disk, a damaged catalogue) is told with the database's reason.
bool writeRow(Kel_CharacterDb& catalogue, UserMessages& messages, const Candidate& candidate,
              const DefIdentity& identity, std::int64_t id, bool moved = false) {
    const RegisteredCharacter row = registeredRow(candidate, identity);
    RegistrationRecords records(catalogue);
    std::int64_t rowId = id;
    CatalogueStatus status = id < 0 ? records.insert(row, &rowId)
                             : moved ? records.move(id, row)
                                     : records.update(id, row);
    if (status) {
        status = CharacterSources(catalogue).record(rowId, characterSource(identity));
    }
    if (!status) {
        messages.show(Message::of(MessageKind::RowWriteFailed, status.error, status.statement));
    }
    return status.ok();
}

// True when a .def file is there but cannot be read: no permission, not a
// regular file, or a path longer than the .def reader takes.
bool isUnreadableDef(const std::string& defFile) {
    return defFile.size() >= Kel_IniHandler::kPathBufferSize || !platform::isReadableFile(defFile);
}

// The first top-level .def file with a Name; none, marking the entry
// unreadable, when the folder cannot be listed or a .def cannot be read.
std::optional<DefIdentity> firstIdentity(const std::string& characterFolder,
                                         PreparedCharacter& prepared) {
    bool listed = false;
    const std::vector<std::string> defFiles = findDefFiles(characterFolder, listed);
    prepared.unreadable = !listed;
    for (const std::string& defFile : defFiles) {
        if (auto identity = readDefFile(defFile)) {
            return identity;
        }
        prepared.unreadable = prepared.unreadable || isUnreadableDef(defFile);
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

// Reads the character's files in characterFolder.
void readCharacter(const AppSettings& settings, bool isArchive, const std::string& characterFolder,
                   PreparedCharacter& prepared) {
    prepared.identity = firstIdentity(characterFolder, prepared);
    prepared.portraitWanted = settings.RegisterSprite;
    if (prepared.identity) {
        prepared.portrait = takePortrait(settings, isArchive, characterFolder, *prepared.identity);
    }
}

// Extracts the archive into a scratch folder of its own, reads it there and
// removes the folder again.
void readArchive(const AppSettings& settings, KelArchiverHandler& archiver,
                 UserMessages& questions, const std::string& archive,
                 PreparedCharacter& prepared) {
    const platform::ScratchFolder folder(settings.TempDir, kExtractionPurpose);
    if (!folder.made()) {
        prepared.refusalMessages.push_back(
            Message::of(MessageKind::ExtractionFolderFailed, folder.path() + "/"));
        prepared.refused = true;
        prepared.unreadable = true;
        return;
    }
    const Extraction extraction = ExtractCharacterArchive(archiver, archive, folder.path() + "/");
    readCharacter(settings, true, folder.path(), prepared);
    // An archive whose entries were refused for safety and that held no
    // character beside them was not read either.
    prepared.unreadable = prepared.unreadable || extraction == Extraction::Failed ||
                          (extraction == Extraction::Partial && !prepared.identity);
    DeferredMessages cleanup(questions);
    if (!DeleteDirectoryTree(folder.path(), cleanup)) {
        cleanup.show(Message::of(MessageKind::ExtractedFolderKept));
    }
    prepared.cleanupMessages = cleanup.take();
}

// Stores the prepared portrait (when portraits are taken) in the row named
// candidate.name and remembers how taking it went. A portrait taken from
// the character's files replaces one chosen by hand, since the entry
// changed, so the hand mark goes with it. A portrait the sprite did not
// give is marked with the entry's date; a write the catalogue refused marks
// nothing, so that the portrait is tried again.
PortraitStored storePreparedPortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                                     const Candidate& candidate,
                                     const PreparedCharacter& prepared) {
    if (!prepared.portraitWanted) {
        return PortraitStored::NotTaken;
    }
    const PortraitStored stored =
        prepared.portrait ? StorePortrait(catalogue, messages, candidate.name, *prepared.portrait)
                          : PortraitStored::NotTaken;
    if (stored == PortraitStored::WriteFailed) {
        return stored;
    }
    PortraitMarks marks(catalogue);
    const CatalogueStatus marked = stored == PortraitStored::Stored
                                       ? marks.markCaptured(candidate.name)
                                       : marks.markFailed(candidate.name, candidate.date);
    if (!marked) {
        messages.show(Message::of(MessageKind::PortraitWriteFailed, marked.error));
        return PortraitStored::WriteFailed;
    }
    return stored;
}

} // namespace

PreparedCharacter PrepareCharacter(const AppSettings& settings, KelArchiverHandler& archiver,
                                   UserMessages& questions, const Candidate& candidate) {
    PreparedCharacter prepared;
    const std::string path = settings.MainDir + "/" + candidate.diskName;
    if (candidate.fileType == kFolderCharacter) {
        readCharacter(settings, false, path, prepared);
    } else {
        readArchive(settings, archiver, questions, path, prepared);
    }
    return prepared;
}

RegistrationResult CommitCharacter(Kel_CharacterDb& catalogue, UserMessages& messages,
                                   const Candidate& candidate, std::int64_t id,
                                   const PreparedCharacter& prepared) {
    showAll(messages, prepared.refusalMessages);
    RegistrationResult result = RegistrationResult::NoCharacter;
    if (!prepared.refused && prepared.identity) {
        result = writeRow(catalogue, messages, candidate, *prepared.identity, id)
                     ? RegistrationResult::Written
                     : RegistrationResult::CatalogueError;
    }
    if (result == RegistrationResult::Written &&
        storePreparedPortrait(catalogue, messages, candidate, prepared) ==
            PortraitStored::WriteFailed) {
        result = RegistrationResult::WrittenThenFailed;
    }
    showAll(messages, prepared.cleanupMessages);
    return result;
}

RegistrationResult CommitMove(Kel_CharacterDb& catalogue, UserMessages& messages,
                              const Candidate& candidate, const MoveTarget& target,
                              const PreparedCharacter& prepared) {
    showAll(messages, prepared.refusalMessages);
    RegistrationResult result =
        writeRow(catalogue, messages, candidate, *prepared.identity, target.id, true)
            ? RegistrationResult::Written
            : RegistrationResult::CatalogueError;
    // The row's own portrait stays (it may have been chosen by hand); one it lacked is taken.
    if (result == RegistrationResult::Written && !target.hasPortrait &&
        storePreparedPortrait(catalogue, messages, candidate, prepared) ==
            PortraitStored::WriteFailed) {
        result = RegistrationResult::WrittenThenFailed;
    }
    showAll(messages, prepared.cleanupMessages);
    return result;
}

PortraitStored CommitPortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                              const Candidate& candidate, const PreparedCharacter& prepared) {
    showAll(messages, prepared.refusalMessages);
    const PortraitStored stored =
        prepared.refused ? PortraitStored::NotTaken
                         : storePreparedPortrait(catalogue, messages, candidate, prepared);
    showAll(messages, prepared.cleanupMessages);
    return stored;
}

} // namespace zorvik
