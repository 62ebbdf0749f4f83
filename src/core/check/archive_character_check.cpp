#include "core/check/archive_character_check.h"

#include "core/archive/archiver_handler.h"
#include "core/catalogue/status_rows.h"
#include "core/check/archive_entry_index.h"
#include "core/check/broken_file_finder.h"
#include "core/check/character_def.h"
#include "core/check/folder_index.h"
#include "core/platform/scratch_folder.h"

namespace zorvik {

namespace {

// Closes the handler's archive however the check ends.
class OpenedArchive {
public:
    explicit OpenedArchive(KelArchiverHandler& archiver) : archiver_(archiver) {}
    ~OpenedArchive() { archiver_.CloseArchive(); }
    OpenedArchive(const OpenedArchive&) = delete;
    OpenedArchive& operator=(const OpenedArchive&) = delete;

private:
    KelArchiverHandler& archiver_;
};

std::string joined(const std::vector<std::string>& folder, const std::string& name) {
    std::string path;
    for (const std::string& component : folder) {
        path += component + "/";
    }
    return path + name;
}

} // namespace

ArchiveCharacterCheck::ArchiveCharacterCheck(KelArchiverHandler& archiver,
                                             const std::string& tempDir,
                                             BrokenFileFinder& finder)
    : archiver_(archiver),
      tempDir_(tempDir),
      finder_(finder) {}

bool ArchiveCharacterCheck::check(const StatusRow& row, const std::string& archivePath,
                                  std::vector<BrokenCharacter>& broken) {
    // The plug-in's command line quotes paths without escaping.
    if (archivePath.find('"') != std::string::npos) {
        return false;
    }
    if (!archiver_.OpenArchive(archivePath)) {
        // Without any plug-in nothing can be said about the archive.
        if (archiver_.plugins().empty()) {
            return false;
        }
        broken.push_back(brokenAsAWhole(row, BrokenKind::UnreadableArchive));
        return true;
    }
    const OpenedArchive opened(archiver_);
    return checkOpened(row, broken);
}

bool ArchiveCharacterCheck::checkOpened(const StatusRow& row,
                                        std::vector<BrokenCharacter>& broken) {
    if (!archiver_.CanListEntries()) {
        return false;
    }
    std::vector<std::string> names;
    if (!archiver_.ListEntries(names)) {
        broken.push_back(brokenAsAWhole(row, BrokenKind::UnreadableArchive));
        return true;
    }
    const platform::ScratchFolder folder(tempDir_, "check");
    if (!folder.made()) {
        return false;
    }
    if (!archiver_.Extract(folder.path() + "/")) {
        broken.push_back(brokenAsAWhole(row, BrokenKind::UnreadableArchive));
        return true;
    }
    checkExtracted(row, folder.path(), names, broken);
    return true;
}

void ArchiveCharacterCheck::checkExtracted(const StatusRow& row, const std::string& folder,
                                           const std::vector<std::string>& names,
                                           std::vector<BrokenCharacter>& broken) {
    const auto def = readCharacterDef(FolderIndex().defFiles(folder));
    if (!def) {
        broken.push_back(brokenAsAWhole(row, BrokenKind::NoDefFile));
        return;
    }
    const ArchiveEntryIndex index(names);
    const std::vector<std::string> defFolder = index.folderOf(def->name).value_or(std::vector<std::string>());
    finder_.check(
        row, joined(defFolder, def->name), def->files,
        [&](const std::string& value) { return index.contains(defFolder, value); }, broken);
}

} // namespace zorvik
