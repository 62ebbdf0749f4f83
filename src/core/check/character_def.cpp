#include "core/check/character_def.h"

#include "core/discovery/def_value.h"
#include "core/settings/ini_document.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

// Values are cut as the INI reader cuts them into its buffer: long enough
// for any real path, and a hostile .def cannot make the lookups long.
constexpr std::size_t kValueBufferSize = 1024;

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

// The files a .def names, read as registration's INI reader reads them:
// names compare ignoring case, values are trimmed, and only the first
// [Files] section and the first of a key in it count.
std::vector<FileReference> filesOf(const IniDocument& def) {
    std::vector<FileReference> files;
    for (const std::string& key : fileReferenceKeys()) {
        const auto value = def.value("Files", key);
        if (!value || value->empty()) {
            continue;
        }
        std::string cleaned = cleanDefValue(text::fitToBuffer(*value, kValueBufferSize));
        if (!cleaned.empty()) {
            files.push_back({key, std::move(cleaned)});
        }
    }
    return files;
}

std::string fileNameOf(const std::string& path) {
    return text::decodeFileName(path.substr(path.rfind('/') + 1));
}

} // namespace

const std::vector<std::string>& fileReferenceKeys() {
    static const std::vector<std::string> keys = makeKeys();
    return keys;
}

std::optional<CharacterDef> readCharacterDef(const std::vector<std::string>& defFiles) {
    for (const std::string& path : defFiles) {
        // An unreadable file reads as an empty one, which has no Name.
        const IniDocument def = IniDocument::load(path);
        const auto name = def.value("Info", "Name");
        if (name && !name->empty()) {
            return CharacterDef{path, fileNameOf(path), filesOf(def)};
        }
    }
    return std::nullopt;
}

} // namespace zorvik
