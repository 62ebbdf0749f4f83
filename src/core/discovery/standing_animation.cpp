#include "core/discovery/standing_animation.h"

#include <utility>

#include "core/archive/archiver_handler.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_extraction.h"
#include "core/discovery/character_files.h"
#include "core/discovery/def_file.h"
#include "core/discovery/def_value.h"
#include "core/platform/directory_listing.h"
#include "core/platform/file_io.h"
#include "core/platform/scratch_folder.h"
#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"

namespace zorvik {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// The file a [Files] value names, or "" when it names none or climbs out
// of a confined folder.
std::string locate(const std::string& folder, const std::string& value, bool confined) {
    if (value.empty() || (confined && !staysInsideFolder(value))) {
        return {};
    }
    return locateSpriteFile(folder, value);
}

ActionLoad problem(ActionProblem kind, std::string detail = {}) {
    ActionLoad load;
    load.problem = kind;
    load.detail = std::move(detail);
    return load;
}

// The first top-level .def with a Name, as registration takes it.
std::string characterDef(const std::string& folder) {
    for (const std::string& def : findDefFiles(folder)) {
        if (readDefFile(def)) {
            return def;
        }
    }
    return {};
}

ActionLoad loadFromFolder(const std::string& folder, int number, bool confined) {
    const std::string def = characterDef(folder);
    return def.empty() ? problem(ActionProblem::NoCharacter) : LoadDefAction(def, number, confined);
}

// Reads the extracted character; an archive that gave no character tells
// why when the plug-in could not extract it.
ActionLoad loadExtracted(const std::string& archive, const std::string& folder, bool extracted,
                         int number) {
    ActionLoad load = loadFromFolder(folder, number, true);
    if (load.problem == ActionProblem::NoCharacter && !extracted) {
        return problem(ActionProblem::ExtractionFailed, archive);
    }
    return load;
}

ActionLoad loadFromArchive(const AppSettings& settings, const std::string& archive, int number,
                           const std::string& pluginFolder) {
    // The temporary folder in use, as for the list update: never the file
    // system's root because the setting is empty.
    const auto temporaryFolder = temporaryFolderInUse(settings);
    if (!temporaryFolder) {
        return problem(ActionProblem::NoTemporaryFolder);
    }
    // A folder of its own, so that a list update extracting the same
    // archive at the same time never meets it; removed when done.
    const platform::ScratchFolder folder(*temporaryFolder, "frames");
    if (!folder.made()) {
        return problem(ActionProblem::ExtractionFolderFailed,
                       *temporaryFolder + ": " + folder.failure());
    }
    KelArchiverHandler archiver = pluginFolder.empty() ? KelArchiverHandler()
                                                       : KelArchiverHandler(pluginFolder);
    const Extraction extraction = ExtractCharacterArchive(archiver, archive, folder.path());
    return loadExtracted(archive, folder.path(), extraction != Extraction::Failed, number);
}

} // namespace

ActionLoad LoadDefAction(const std::string& defPath, int number, bool confined) {
    if (!platform::pathExists(defPath)) {
        return problem(ActionProblem::NoCharacter);
    }
    Kel_IniHandler ini;
    ini.SetFileName(defPath, false);
    ini.SetSection("Files");
    std::string sprite;
    std::string anim;
    std::string pal1;
    ReadDefValue("sprite", sprite, 256, ini);
    ReadDefValue("anim", anim, 256, ini);
    ReadDefValue("pal1", pal1, 256, ini);
    const std::string folder = folderOf(defPath);
    return LoadAction(locate(folder, anim, confined), locate(folder, sprite, confined),
                      locate(folder, pal1, confined), number);
}

ActionLoad LoadCatalogueAction(const AppSettings& settings, const CatalogueCharacter& character,
                               int number, const std::string& pluginFolder) {
    // FILENAME holds a nested character's group folders too, each part of
    // it found on disk as the update found it (a Shift-JIS name included).
    const std::string path = platform::resolvePathInFolder(settings.MainDir, character.fileName);
    if (!platform::pathExists(path)) {
        return problem(ActionProblem::NoCharacter);
    }
    if (character.fileType == kFolderCharacter) {
        return loadFromFolder(path, number, false);
    }
    return loadFromArchive(settings, path, number, pluginFolder);
}

} // namespace zorvik
