#include "core/discovery/collection_scan.h"

#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

namespace zorvik {

namespace {

// Walks group folders depth first, each entry's candidates in listing order.
class CollectionScanner {
public:
    CollectionScanner(const std::string& mainDir, const CollectionScanOptions& options,
                      const std::atomic<bool>& cancel)
        : mainDir_(mainDir), options_(options), cancel_(cancel) {
        markVisited(mainDir.empty() ? "/" : mainDir);
    }

    CollectionScan run(const platform::DirectoryListing& topLevel) {
        scanListing(topLevel, {}, 1);
        return std::move(scan_);
    }

private:
    // The path of a folder below mainDir: its parts on disk and as named.
    struct Place {
        std::string diskPrefix; // "KOF/" on disk, "" at the top level
        std::string namePrefix; // the same, decoded
    };

    void scanListing(const platform::DirectoryListing& listing, const Place& place, int depth) {
        for (const platform::DirectoryEntry& entry : listing.entries) {
            if (cancel_.load(std::memory_order_relaxed)) {
                scan_.complete = false;
                return;
            }
            // Below the top level a link to a folder leads outside the
            // character folder, or to a folder the scan reaches by its own path.
            if (depth > 1 && entry.isFolder && entry.isLink) {
                continue;
            }
            Candidate candidate;
            const bool isCandidate =
                candidateFromEntry(entry, options_.recognizeFileType, candidate);
            if (entry.isFolder && (!isCandidate || candidate.fileType == kFolderCharacter)) {
                scanFolder(entry, isCandidate, std::move(candidate), place, depth);
            } else if (isCandidate) {
                add(std::move(candidate), place);
            }
        }
    }

    // A folder not taken as an archive: a character when it holds a .def,
    // else a group. One that cannot be read may be either: it is no
    // candidate, and nothing at or below it is taken as gone.
    void scanFolder(const platform::DirectoryEntry& entry, bool isCandidate, Candidate candidate,
                    const Place& place, int depth) {
        const std::string path = diskPath(place.diskPrefix + entry.diskName);
        const std::optional<bool> holdsDef = platform::holdsFileEndingWith(path, ".def");
        if (!holdsDef) {
            scan_.unreadableFolders.push_back(place.namePrefix + entry.name);
            return;
        }
        if (*holdsDef) {
            if (isCandidate) {
                add(std::move(candidate), place);
            }
            return;
        }
        if (depth >= kMaxCollectionDepth || entry.isLink || !markVisited(path)) {
            return;
        }
        scan_.namesToldApart += entry.toldApart ? 1 : 0;
        const platform::DirectoryListing listing = platform::listDirectory(path);
        if (!listing.opened || listing.errorCode != 0) {
            scan_.unreadableFolders.push_back(place.namePrefix + entry.name);
        }
        scanListing(listing,
                    {place.diskPrefix + entry.diskName + "/", place.namePrefix + entry.name + "/"},
                    depth + 1);
    }

    void add(Candidate candidate, const Place& place) {
        scan_.namesToldApart += candidate.nameToldApart ? 1 : 0;
        candidate.name.insert(0, place.namePrefix);
        candidate.diskName.insert(0, place.diskPrefix);
        scan_.candidates.push_back(std::move(candidate));
    }

    std::string diskPath(const std::string& below) const {
        return (mainDir_.empty() || mainDir_.back() != '/' ? mainDir_ + "/" : mainDir_) + below;
    }

    // False when the folder was visited already (a folder mounted twice).
    bool markVisited(const std::string& path) {
        std::error_code error;
        const std::filesystem::path real = std::filesystem::canonical(path, error);
        return visited_.insert(error ? path : real.string()).second;
    }

    const std::string& mainDir_;
    const CollectionScanOptions& options_;
    const std::atomic<bool>& cancel_;
    std::set<std::string> visited_;
    CollectionScan scan_;
};

} // namespace

CollectionScan scanCollection(const std::string& mainDir, const platform::DirectoryListing& topLevel,
                              const CollectionScanOptions& options, const std::atomic<bool>& cancel) {
    if (!options.searchSubfolders) {
        CollectionScan scan;
        scan.candidates = scanCandidates(topLevel, options.recognizeFileType, cancel);
        for (const Candidate& candidate : scan.candidates) {
            scan.namesToldApart += candidate.nameToldApart ? 1 : 0;
        }
        return scan;
    }
    return CollectionScanner(mainDir, options, cancel).run(topLevel);
}

bool liesInFolders(const std::string& fileName, const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        if (fileName.size() >= folder.size() && fileName.compare(0, folder.size(), folder) == 0 &&
            (fileName.size() == folder.size() || fileName[folder.size()] == '/')) {
            return true;
        }
    }
    return false;
}

platform::DirectoryListing listCharacterFolder(const std::string& mainDir) {
    return mainDir.empty() ? platform::DirectoryListing{} : platform::listDirectory(mainDir);
}

} // namespace zorvik
