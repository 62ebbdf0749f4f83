#include "core/discovery/character_extraction.h"

#include <string_view>

#include "core/archive/archiver_handler.h"

namespace zorvik {

namespace {

// The bundled plug-in's output ends its counts with "skipped entries: <n>";
// a plug-in that says nothing of the kind skipped nothing.
bool skippedEntries(const std::string& output) {
    static constexpr std::string_view kSkipped = "skipped entries: ";
    const std::size_t at = output.find(kSkipped);
    return at != std::string::npos && at + kSkipped.size() < output.size() &&
           output[at + kSkipped.size()] >= '1' && output[at + kSkipped.size()] <= '9';
}

} // namespace

Extraction ExtractCharacterArchive(KelArchiverHandler& archiver, const std::string& archive,
                                   const std::string& folder) {
    // The plug-in's command line quotes paths without escaping, so a name
    // holding a double quote could split into other words: such an archive
    // is not handed over at all.
    if (archive.find('"') != std::string::npos || folder.find('"') != std::string::npos) {
        return Extraction::Failed;
    }
    Extraction extraction = Extraction::Failed;
    if (archiver.OpenArchive(archive) && archiver.Extract(folder)) {
        extraction = skippedEntries(archiver.output()) ? Extraction::Partial : Extraction::Complete;
    }
    archiver.CloseArchive();
    return extraction;
}

} // namespace zorvik
