#include "core/discovery/character_extraction.h"

#include "core/archive/archiver_handler.h"

namespace zorvik {

bool ExtractCharacterArchive(KelArchiverHandler& archiver, const std::string& archive,
                             const std::string& folder) {
    // The plug-in's command line quotes paths without escaping, so a name
    // holding a double quote could split into other words: such an archive
    // is not handed over at all.
    if (archive.find('"') != std::string::npos || folder.find('"') != std::string::npos) {
        return false;
    }
    const bool extracted = archiver.OpenArchive(archive) && archiver.Extract(folder);
    archiver.CloseArchive();
    return extracted;
}

} // namespace zorvik
