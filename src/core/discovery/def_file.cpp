#include "core/discovery/def_file.h"

#include "core/discovery/def_value.h"
#include "core/settings/ini_handler.h"
#include "core/text/encoding.h"

namespace zorvik {

std::optional<DefIdentity> readDefFile(const std::string& path) {
    Kel_IniHandler ini;
    ini.SetFileName(path, false);
    ini.SetSection("Info");
    DefIdentity identity;
    if (!ReadDefValue("Name", identity.name, 256, ini)) {
        return std::nullopt;
    }
    ReadDefValue("displayname", identity.displayName, 256, ini);
    ReadDefValue("versiondate", identity.versionDate, 64, ini);
    ReadDefValue("mugenversion", identity.mugenVersion, 64, ini);
    ReadDefValue("author", identity.author, 64, ini);
    ini.SetSection("Files");
    ReadDefValue("sprite", identity.sprite, 256, ini);
    identity.fileName = text::decodeFileName(path.substr(path.find_last_of('/') + 1));
    return identity;
}

CharacterSource characterSource(const DefIdentity& identity) {
    return {identity.fileName, identity.name, identity.displayName, identity.author};
}

} // namespace zorvik
