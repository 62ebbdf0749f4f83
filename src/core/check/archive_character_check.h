#pragma once

#include <string>
#include <vector>

#include "core/check/check_report.h"

namespace zorvik {

class BrokenFileFinder;
class KelArchiverHandler;
struct StatusRow;

// Checks archive characters against the archive's list of files: the
// .def files are extracted as registration extracts them, into a folder
// of their own under TempDir that is removed again, and the files the
// .def names are looked up in the plug-in's listing of the archive.
class ArchiveCharacterCheck {
public:
    ArchiveCharacterCheck(KelArchiverHandler& archiver, const std::string& tempDir,
                          BrokenFileFinder& finder);

    // Adds the archive's problems to broken; false when it could not be
    // checked (no plug-in is loaded, the chosen one has no listing command,
    // or the extraction folder could not be made).
    bool check(const StatusRow& row, const std::string& archivePath,
               std::vector<BrokenCharacter>& broken);

private:
    bool checkOpened(const StatusRow& row, std::vector<BrokenCharacter>& broken);
    void checkExtracted(const StatusRow& row, const std::string& folder,
                        const std::vector<std::string>& names,
                        std::vector<BrokenCharacter>& broken);

    KelArchiverHandler& archiver_;
    std::string tempDir_; // archives are extracted into scratch folders here
    BrokenFileFinder& finder_;
};

} // namespace zorvik
