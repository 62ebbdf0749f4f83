#include "core/check/broken_file_finder.h"

#include "core/catalogue/status_rows.h"
#include "core/check/file_lookup.h"

namespace zorvik {

void BrokenFileFinder::check(const StatusRow& row, const std::string& defFile,
                             const std::vector<FileReference>& files, const BesideDef& besideDef,
                             std::vector<BrokenCharacter>& broken) const {
    for (const FileReference& file : files) {
        if (besideDef(file.value) ||
            (!dataFolder_.empty() && resolvesToFile(dataFolder_, file.value))) {
            continue;
        }
        if (dataFolder_.empty() && file.key == "stcommon") {
            continue;
        }
        broken.push_back(
            {row.id, row.fileName, BrokenKind::MissingFile, defFile, file.key, file.value});
    }
}

void BrokenFileFinder::checkFolder(const StatusRow& row, const std::string& folder,
                                   std::vector<BrokenCharacter>& broken) const {
    const auto def = readCharacterDef(folder);
    if (!def) {
        broken.push_back(brokenAsAWhole(row, BrokenKind::NoDefFile));
        return;
    }
    check(row, def->name, def->files,
          [&](const std::string& value) { return resolvesToFile(folder, value); }, broken);
}

BrokenCharacter brokenAsAWhole(const StatusRow& row, BrokenKind kind) {
    return {row.id, row.fileName, kind, {}, {}, {}};
}

} // namespace zorvik
