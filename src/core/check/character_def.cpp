#include "core/check/character_def.h"

#include "core/discovery/character_files.h"
#include "core/discovery/def_value.h"
#include "core/settings/ini_handler.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

// As registration reads the name.
constexpr std::size_t kNameBufferSize = 256;
// Long enough that no real path is cut into one that does not exist.
constexpr std::size_t kPathBufferSize = 1024;

std::vector<std::string> makeKeys() {
    std::vector<std::string> keys = {"cmd", "cns", "st"};
    for (int i = 0; i <= 9; ++i) {
        keys.push_back("st" + std::to_string(i));
    }
    for (const char* key : {"stcommon", "sprite", "anim", "sound", "ai"}) {
        keys.emplace_back(key);
    }
    for (int i = 1; i <= 12; ++i) {
        keys.push_back("pal" + std::to_string(i));
    }
    return keys;
}

std::string fileNameOf(const std::string& path) {
    return text::decodeFileName(path.substr(path.rfind('/') + 1));
}

} // namespace

const std::vector<std::string>& fileReferenceKeys() {
    static const std::vector<std::string> keys = makeKeys();
    return keys;
}

std::optional<CharacterDef> readCharacterDef(const std::string& folder) {
    for (const std::string& path : findDefFiles(folder)) {
        Kel_IniHandler ini;
        ini.SetFileName(path, false);
        ini.SetSection("Info");
        std::string value;
        if (!ReadDefValue("Name", value, kNameBufferSize, ini)) {
            continue;
        }
        CharacterDef def{path, fileNameOf(path), {}};
        ini.SetSection("Files");
        for (const std::string& key : fileReferenceKeys()) {
            if (ReadDefValue(key, value, kPathBufferSize, ini) && !value.empty()) {
                def.files.push_back({key, value});
            }
        }
        return def;
    }
    return std::nullopt;
}

} // namespace zorvik
