#include "plugin_runner.h"

#include <algorithm>
#include <filesystem>

namespace zorvik::test {

namespace fs = std::filesystem;

void PluginTest::SetUp() {
    const std::string library = (fs::path(ZORVIK_PLUGIN_DIR) / "ZorvikArc.so").string();
    ASSERT_TRUE(plugin.Load(library, "ZorvikArc"));
}

int PluginTest::run(const std::string& commandLine) {
    std::string buffer(ZORVIK_ARCHIVER_OUTPUT_SIZE, '\0');
    const int result =
        plugin.RunCommand(nullptr, commandLine, buffer.data(), static_cast<int>(buffer.size()));
    output = buffer.c_str();
    return result;
}

std::string commandLine(const std::string& command, const std::string& archive,
                        const std::string& destination, const std::string& rest) {
    return command + " \"" + archive + "\" \"" + destination + "/\" " + rest;
}

Tree treeOf(const std::string& folder) {
    Tree paths;
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
