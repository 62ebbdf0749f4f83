#include "core/check/broken_file_finder.h"

#include <algorithm>

#include "core/catalogue/status_rows.h"

namespace zorvik {

void BrokenFileFinder::check(const StatusRow& row, const std::string& defFile,
                             const std::vector<FileReference>& files, const BesideDef& besideDef,
                             std::vector<BrokenCharacter>& broken) {
    for (const FileReference& file : files) {
        if (besideDef(file.value) ||
            (!dataFolder_.empty() && dataFiles_.resolvesToFile(dataFolder_, file.value))) {
            continue;
        }
        if (dataFolder_.empty() && file.key == "stcommon") {
            continue;
        }
        broken.push_back(
            {row.id, row.fileName, BrokenKind::MissingFile, defFile, file.key, file.value});
    }
}

std::optional<CharacterDef> BrokenFileFinder::checkFolderDef(const StatusRow& row,
                                                             const std::string& folder,
                                                             std::vector<BrokenCharacter>& broken) {
    // One index per character, so that memory does not grow with the collection.
    FolderIndex characterFiles;
    auto def = readCharacterDef(characterFiles.defFiles(folder));
    if (!def) {
        broken.push_back(brokenAsAWhole(row, BrokenKind::NoDefFile));
        return def;
    }
    check(row, def->name, def->files,
          [&](const std::string& value) { return characterFiles.resolvesToFile(folder, value); },
          broken);
    return def;
}

void BrokenFileFinder::checkFolder(const StatusRow& row, const std::string& folder,
                                   std::vector<BrokenCharacter>& broken) {
    checkFolderDef(row, folder, broken);
}

std::optional<BrokenCharacter> BrokenFileFinder::firstBreak(const std::string& folder) {
    std::vector<BrokenCharacter> broken;
    const StatusRow noRow;
    const auto def = checkFolderDef(noRow, folder, broken);
    if (!broken.empty()) {
        return broken.front();
    }
    const auto namesSprite = [](const FileReference& file) { return file.key == "sprite"; };
    if (std::none_of(def->files.begin(), def->files.end(), namesSprite)) {
        return BrokenCharacter{noRow.id,  noRow.fileName, BrokenKind::MissingFile,
                               def->name, "sprite",       {}};
    }
    return std::nullopt;
}

BrokenCharacter brokenAsAWhole(const StatusRow& row, BrokenKind kind) {
    return {row.id, row.fileName, kind, {}, {}, {}};
}

} // namespace zorvik
