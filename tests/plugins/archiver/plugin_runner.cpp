#include "plugin_runner.h"

#include <algorithm>
#include <filesystem>

namespace zorvik::test {

namespace fs = std::filesystem;

PluginRunner::PluginRunner() {
    plugin_.Load(std::string(ZORVIK_PLUGIN_DIR) + "/ZorvikArc.so", "ZorvikArc");
}

int PluginRunner::run(const std::string& commandLine) {
    std::string buffer(ZORVIK_ARCHIVER_OUTPUT_SIZE, '\0');
    const int result = plugin_.RunCommand(nullptr, commandLine, buffer.data(),
                                          static_cast<int>(buffer.size()));
    output_ = buffer.c_str();
    return result;
}

std::vector<std::string> treeOf(const std::string& folder) {
    std::vector<std::string> paths;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string path = fs::relative(entry.path(), folder).string();
        if (entry.is_symlink()) {
            path += "@";
        } else if (entry.is_directory()) {
            path += "/";
        }
        paths.push_back(path);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace zorvik::test
