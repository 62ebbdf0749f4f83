#include "core/discovery/standing_animation.h"

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

ActionLoad noCharacter() {
    ActionLoad load;
    load.problem = ActionProblem::NoCharacter;
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
    return def.empty() ? noCharacter() : LoadDefAction(def, number, confined);
}

ActionLoad loadFromArchive(const AppSettings& settings, const std::string& archive, int number,
                           const std::string& pluginFolder) {
    // A folder of its own, so that a list update extracting the same
    // archive at the same time never meets it; removed when done.
    const platform::ScratchFolder folder(settings.TempDir, "frames");
    if (!folder.made()) {
        return noCharacter();
    }
    KelArchiverHandler archiver = pluginFolder.empty() ? KelArchiverHandler()
                                                       : KelArchiverHandler(pluginFolder);
    ExtractCharacterArchive(archiver, archive, folder.path());
    return loadFromFolder(folder.path(), number, true);
}

} // namespace

ActionLoad LoadDefAction(const std::string& defPath, int number, bool confined) {
    if (!platform::pathExists(defPath)) {
        return noCharacter();
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
    const std::string path = platform::resolveInFolder(settings.MainDir, character.fileName);
    if (!platform::pathExists(path)) {
        return noCharacter();
    }
    if (character.fileType == kFolderCharacter) {
        return loadFromFolder(path, number, false);
    }
    return loadFromArchive(settings, path, number, pluginFolder);
}

} // namespace zorvik
