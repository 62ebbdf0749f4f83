#include "core/discovery/missing_characters.h"

#include <string_view>
#include <unordered_set>

#include "core/catalogue/character_db.h"
#include "core/catalogue/status_rows.h"
#include "core/discovery/candidate.h"
#include "core/discovery/collection_scan.h"
#include "core/discovery/list_update.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"

namespace zorvik {

bool isRecognizedFileType(int fileType, int recognizeFileType) {
    switch (fileType) {
    case kFolderCharacter:
        return (recognizeFileType & kExcludeFolders) == 0;
    case kZipCharacter:
    case kSevenZipCharacter:
    case kRarCharacter:
        return (recognizeFileType & fileType) == 0;
    default:
        return false;
    }
}

namespace {

// An empty listing beside shown rows of a listed kind: an unmounted drive
// or an emptied folder, not a collection whose every character went away.
bool listsNothingOfShownRows(const std::vector<StatusRow>& rows,
                             const std::vector<Candidate>& listed, int recognizeFileType) {
    if (!listed.empty()) {
        return false;
    }
    for (const StatusRow& row : rows) {
        if (row.deleted == kShownRow && isRecognizedFileType(row.fileType, recognizeFileType)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<MissingMarks> MarkMissingCharacters(Kel_CharacterDb& catalogue,
                                                  const std::vector<Candidate>& listed,
                                                  int recognizeFileType, bool listingComplete,
                                                  const std::vector<std::string>& unreadable) {
    StatusRows table(catalogue);
    const auto rows = table.read();
    if (!rows) {
        return std::nullopt;
    }
    MissingMarks marks;
    if (listingComplete && listsNothingOfShownRows(*rows, listed, recognizeFileType)) {
        marks.nothingListed = true;
        return marks;
    }
    std::unordered_set<std::string_view> names;
    for (const Candidate& candidate : listed) {
        names.insert(candidate.name);
    }
    for (const StatusRow& row : *rows) {
        if (liesInFolders(row.fileName, unreadable)) {
            continue;
        }
        const bool present = names.count(row.fileName) != 0;
        if (present && row.deleted == kMissingRow) {
            if (!table.setDeleted(row.id, kShownRow)) {
                return std::nullopt;
            }
            ++marks.returned;
        } else if (!present && listingComplete && row.deleted != kMissingRow &&
                   isRecognizedFileType(row.fileType, recognizeFileType)) {
            if (!table.setDeleted(row.id, kMissingRow)) {
                return std::nullopt;
            }
            ++marks.newlyMissing;
        }
    }
    return marks;
}

bool MarkMissingAfterUpdate(const ListUpdateJob& job, const std::vector<Candidate>& listed,
                            bool listingComplete, const std::vector<std::string>& unreadable,
                            ListUpdateOutcome& outcome) {
    // Held until the error is read, so that it is this call's.
    const ConnectionLock held = job.catalogue.lock();
    const auto marks = MarkMissingCharacters(
        job.catalogue, listed, job.settings.RecognizeFileType, listingComplete, unreadable);
    if (!marks) {
        job.messages.show(Message::of(MessageKind::PresenceCheckFailed, job.catalogue.LastError()));
        return false;
    }
    outcome.missing = marks->newlyMissing;
    outcome.returned = marks->returned;
    outcome.nothingListed = marks->nothingListed;
    return true;
}

Message missingCountText(int newlyMissing) {
    return Message::of(MessageKind::MissingCount, newlyMissing);
}

Message nothingListedText() {
    return Message::of(MessageKind::NothingListed);
}

} // namespace zorvik
