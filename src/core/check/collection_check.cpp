#include "core/check/collection_check.h"

#include <atomic>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/archive/archiver_handler.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/status_rows.h"
#include "core/check/archive_character_check.h"
#include "core/check/broken_file_finder.h"
#include "core/check/duplicate_finder.h"
#include "core/check/folder_index.h"
#include "core/discovery/candidate.h"
#include "core/discovery/collection_scan.h"
#include "core/discovery/missing_characters.h"
#include "core/platform/job_observer.h"
#include "core/platform/directory_listing.h"
#include "core/platform/scratch_folder.h"
#include "core/settings/app_settings.h"

namespace zorvik {

namespace {

// In large collections the step text changes every 32nd character only,
// so that label updates do not slow the check.
constexpr std::size_t kManyCharacters = 256;
constexpr std::size_t kLabelStep = 32;

// The character folder's entries by FILENAME, every kind, group folders
// searched as the list update searches them, and the group folders that
// could not be read.
struct ListedEntries {
    std::unordered_map<std::string, Candidate> byName;
    std::vector<std::string> unreadableFolders;
};

// None when the character folder could not be listed completely.
std::optional<ListedEntries> listEntries(const AppSettings& settings,
                                         const std::atomic<bool>& cancel) {
    const auto listing =
        platform::listDirectory(settings.MainDir, platform::ListingDetail::KindsOnly);
    if (!listing.opened || listing.errorCode != 0) {
        return std::nullopt;
    }
    CollectionScan scan =
        scanCollection(settings.MainDir, listing, {0, settings.SearchSubfolders}, cancel);
    if (!scan.complete) {
        return std::nullopt;
    }
    ListedEntries entries{{}, std::move(scan.unreadableFolders)};
    for (Candidate& candidate : scan.candidates) {
        std::string name = candidate.name;
        entries.byName.emplace(std::move(name), std::move(candidate));
    }
    return entries;
}

// A row found on disk, and its entry.
struct OnDisk {
    const StatusRow* row;
    const Candidate* entry;
};

class CollectionCheck {
public:
    explicit CollectionCheck(const CollectionCheckJob& job)
        : job_(job), table_(job.catalogue), finder_(engineDataFolder(job.settings.MugenExeFile)),
          temporaryFolder_(temporaryFolderInUse(job.settings)) {}

    CheckReport run() {
        if (job_.settings.MainDir.empty()) {
            return failed(kNoCharacterFolder);
        }
        if (temporaryFolder_) {
            platform::removeStaleScratchFolders(*temporaryFolder_);
        }
        job_.observer.setLabel(Message::of(MessageKind::SearchingFolder, job_.settings.MainDir));
        const auto entries = listEntries(job_.settings, job_.cancel);
        if (!entries && isCancelled()) {
            return report_;
        }
        if (!entries) {
            return failed(Message::of(MessageKind::FolderNotSearched, job_.settings.MainDir));
        }
        const auto rows = table_.read();
        if (!rows) {
            return failed(
                Message::of(MessageKind::CatalogueReadFailed, job_.catalogue.LastError()));
        }
        std::vector<OnDisk> onDisk;
        std::vector<StatusRow> present;
        sortRows(*rows, *entries, onDisk, present);
        if (!checkCharacters(onDisk)) {
            return report_;
        }
        job_.observer.setLabel(Message::of(MessageKind::CheckingDuplicates));
        report_.sameNameAndAuthor = groupSameNameAndAuthor(present);
        auto samePortrait = groupSamePortrait(table_, present);
        if (!samePortrait) {
            return failed(
                Message::of(MessageKind::CatalogueReadFailed, job_.catalogue.LastError()));
        }
        report_.samePortrait = std::move(*samePortrait);
        report_.completed = true;
        return report_;
    }

private:
    CheckReport failed(const Message& error) {
        report_.error = error;
        return report_;
    }

    bool isCancelled() const { return job_.cancel.load(std::memory_order_relaxed); }

    // Rows of a recognised kind whose entry is gone are missing (unless they
    // lie in a folder that could not be read); the others take part in the
    // duplicates, and those on disk are checked.
    void sortRows(const std::vector<StatusRow>& rows, const ListedEntries& entries,
                  std::vector<OnDisk>& onDisk, std::vector<StatusRow>& present) {
        for (const StatusRow& row : rows) {
            const auto entry = entries.byName.find(row.fileName);
            if (entry != entries.byName.end()) {
                onDisk.push_back({&row, &entry->second});
            } else if (isRecognizedFileType(row.fileType, job_.settings.RecognizeFileType) &&
                       !liesInFolders(row.fileName, entries.unreadableFolders)) {
                report_.missing.push_back({row.id, row.fileName, row.deleted == kMissingRow});
                continue;
            }
            present.push_back(row);
        }
    }

    // False when cancelled.
    bool checkCharacters(const std::vector<OnDisk>& onDisk) {
        job_.observer.setProgressMaximum(static_cast<int>(onDisk.size()));
        const std::size_t step = onDisk.size() > kManyCharacters ? kLabelStep : 1;
        for (std::size_t k = 0; k < onDisk.size(); ++k) {
            if (isCancelled()) {
                return false;
            }
            if (k % step == 0) {
                job_.observer.setLabel(
                    Message::of(MessageKind::CheckingCharacter, onDisk[k].row->fileName));
            }
            job_.observer.setProgressPosition(static_cast<int>(k));
            checkCharacter(*onDisk[k].row, *onDisk[k].entry);
        }
        job_.observer.setProgressPosition(static_cast<int>(onDisk.size()));
        return true;
    }

    void checkCharacter(const StatusRow& row, const Candidate& entry) {
        const std::string path = job_.settings.MainDir + "/" + entry.diskName;
        if (entry.fileType == kFolderCharacter) {
            finder_.checkFolder(row, path, report_.broken);
        } else if (!temporaryFolder_ || !archives().check(row, path, report_.broken)) {
            ++report_.archivesNotChecked;
        }
    }

    // The plug-ins are loaded at the first archive, once per check.
    ArchiveCharacterCheck& archives() {
        if (!archiveCheck_) {
            if (job_.pluginFolder.empty()) {
                archiver_.emplace();
            } else {
                archiver_.emplace(job_.pluginFolder);
            }
            archiver_->SetOwnerWindow(job_.ownerWindow);
            archiveCheck_.emplace(*archiver_, *temporaryFolder_, finder_);
        }
        return *archiveCheck_;
    }

    const CollectionCheckJob& job_;
    StatusRows table_;
    BrokenFileFinder finder_;
    // Archives are extracted here; without it they are not checked.
    std::optional<std::string> temporaryFolder_;
    std::optional<KelArchiverHandler> archiver_;
    std::optional<ArchiveCharacterCheck> archiveCheck_;
    CheckReport report_;
};

} // namespace

CheckReport RunCollectionCheck(const CollectionCheckJob& job) {
    CheckReport report = CollectionCheck(job).run();
    job.observer.done();
    return report;
}

} // namespace zorvik
