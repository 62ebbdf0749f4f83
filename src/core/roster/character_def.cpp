#include "core/roster/character_def.h"

#include "core/discovery/candidate.h"
#include "core/discovery/character_files.h"
#include "core/discovery/def_file.h"
#include "core/platform/directory_listing.h"
#include "core/text/encoding.h"

namespace zorvik {

std::optional<std::string> findCharacterDefName(const std::string& characterFolder) {
    for (const std::string& defFile : findDefFiles(characterFolder)) {
        // Registration's own reading decides which .def is the character's.
        if (readDefFile(defFile)) {
            // findDefFiles gives folder + "/" + the name on disk.
            return text::decodeFileName(defFile.substr(characterFolder.size() + 1));
        }
    }
    return std::nullopt;
}

std::string engineCharacterPath(const std::string& mainDir, const std::string& fileName,
                                int fileType) {
    const std::size_t slash = fileName.rfind('/');
    if (slash == std::string::npos || fileType != kFolderCharacter) {
        return fileName;
    }
    const auto defName =
        findCharacterDefName(platform::resolvePathInFolder(mainDir, fileName));
    return fileName + "/" + defName.value_or(fileName.substr(slash + 1) + ".def");
}

std::string fileNameOfEnginePath(const std::string& enginePath) {
    const std::size_t slash = enginePath.rfind('/');
    if (slash == std::string::npos || !platform::endsWithIgnoringCase(enginePath, ".def")) {
        return enginePath;
    }
    return enginePath.substr(0, slash);
}

} // namespace zorvik
