#include "core/discovery/candidate.h"

#include "core/text/ascii_text.h"

namespace zorvik {

namespace {

// Lowers the ASCII capitals of the extension (from the last '.') in place
// and gives the kind it names, or 0.
int archiveKind(std::string& name) {
    const std::size_t dot = name.rfind('.');
    for (std::size_t i = dot == std::string::npos ? 0 : dot; i < name.size(); ++i) {
        name[i] = text::asciiLower(name[i]);
    }
    return dot == std::string::npos ? 0 : archiveKindOfName(name);
}

} // namespace

int archiveKindOfName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    std::string extension(name.substr(dot == std::string_view::npos ? name.size() : dot));
    for (char& c : extension) {
        c = text::asciiLower(c);
    }
    if (extension == ".zip") {
        return kZipCharacter;
    }
    if (extension == ".7z") {
        return kSevenZipCharacter;
    }
    return extension == ".rar" ? kRarCharacter : 0;
}

bool candidateFromEntry(const platform::DirectoryEntry& entry, int recognizeFileType,
                        Candidate& candidate) {
    candidate = {entry.name, entry.diskName, kFolderCharacter, entry.lastWriteDate.toString(),
                 entry.toldApart};
    if (entry.isFolder && (recognizeFileType & kExcludeFolders) == 0) {
        return true;
    }
    candidate.fileType = archiveKind(candidate.name) & ~recognizeFileType;
    return candidate.fileType != 0;
}

std::vector<Candidate> scanCandidates(const platform::DirectoryListing& listing,
                                      int recognizeFileType, const std::atomic<bool>& cancel) {
    std::vector<Candidate> candidates;
    for (const platform::DirectoryEntry& entry : listing.entries) {
        if (cancel.load(std::memory_order_relaxed)) {
            break;
        }
        Candidate candidate;
        if (candidateFromEntry(entry, recognizeFileType, candidate)) {
            candidates.push_back(std::move(candidate));
        }
    }
    return candidates;
}

} // namespace zorvik
