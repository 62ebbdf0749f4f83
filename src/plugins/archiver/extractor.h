#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "plugins/archiver/destination_folder.h"
#include "plugins/archiver/extract_command.h"
#include "plugins/archiver/extraction_report.h"

struct archive;
struct archive_entry;

namespace zorvik::archiver {

// The command function's result codes; 0 is success.
enum class ExtractResult {
    Success = 0,
    BadCommand = 1,
    ArchiveError = 2,
    SizeLimit = 3,
    WriteError = 4,
    InternalError = 5,
};

// Extracts one archive as an ExtractCommand says, writing nothing outside the
// destination and telling what it passed over in the report.
class Extractor {
public:
    Extractor(const ExtractCommand& command, ExtractionReport& report);
    ExtractResult run();

private:
    ExtractResult extractAll(archive* reader);
    ExtractResult extractEntry(archive* reader, archive_entry* entry);
    ExtractResult makeFolder(const std::vector<std::string>& components, const std::string& name);
    ExtractResult extractFile(archive* reader, archive_entry* entry,
                              const std::vector<std::string>& target, const std::string& name);
    ExtractResult writeData(archive* reader, int file, const std::string& name);
    ExtractResult writeFailure(const std::string& name);
    ExtractResult sizeLimitReached();
    bool matchesMasks(const std::string& fileName) const;
    // False when an earlier file already took this destination name.
    bool claimName(const std::vector<std::string>& target);

    const ExtractCommand& command_;
    ExtractionReport& report_;
    DestinationFolder destination_;
    std::set<std::string> claimedNames_;
    std::uint64_t written_ = 0;
};

} // namespace zorvik::archiver
