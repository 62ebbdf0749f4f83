#include "core/roster/character_def.h"

#include "core/discovery/character_files.h"
#include "core/discovery/def_value.h"
#include "core/settings/ini_handler.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

// The buffer registration reads Name into.
constexpr std::size_t kNameBufferSize = 256;

bool hasName(const std::string& defFile) {
    Kel_IniHandler ini;
    ini.SetFileName(defFile, false);
    ini.SetSection("Info");
    std::string name;
    return ReadDefValue("Name", name, kNameBufferSize, ini);
}

} // namespace

std::optional<std::string> findCharacterDefName(const std::string& characterFolder) {
    for (const std::string& defFile : findDefFiles(characterFolder)) {
        if (hasName(defFile)) {
            // findDefFiles gives folder + "/" + the name on disk.
            return text::decodeFileName(defFile.substr(characterFolder.size() + 1));
        }
    }
    return std::nullopt;
}

} // namespace zorvik
