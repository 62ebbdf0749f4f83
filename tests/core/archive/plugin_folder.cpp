#include "plugin_folder.h"

#include <filesystem>

namespace zorvik::test {

PluginFolder::PluginFolder(std::initializer_list<const char*> libraries)
    : path_(temp_.makeFolder("ArchiverDLLs")) {
    for (const char* library : libraries) {
        const std::string name = std::string(library) + ".so";
        std::filesystem::copy_file(std::string(ZORVIK_TEST_PLUGIN_DIR) + "/" + name,
                                   path_ + "/" + name);
    }
}

void PluginFolder::writeInfo(const std::string& text) const {
    temp_.write("ArchiverDLLs/DLLinfo.ini", text);
}

} // namespace zorvik::test
