#pragma once

#include <string>
#include <vector>

#include "core/archive/archive_dll.h"

namespace zorvik::test {

// The bundled plug-in of the build's ArchiverDLLs/, called directly with
// command lines of the test's choosing.
class PluginRunner {
public:
    PluginRunner();

    bool loaded() const { return plugin_.hasCommand() && plugin_.hasCheckArchive(); }
    int check(const std::string& archivePath) const { return plugin_.CheckArchive(archivePath, 0); }
    // Runs commandLine with an output buffer of the manager's size.
    int run(const std::string& commandLine);
    // The output text of the last run.
    const std::string& output() const { return output_; }
    const KelArchiveDLL& plugin() const { return plugin_; }

private:
    KelArchiveDLL plugin_;
    std::string output_;
};

// Everything below folder as sorted relative paths; folders end with "/",
// symbolic links with "@".
std::vector<std::string> treeOf(const std::string& folder);

} // namespace zorvik::test
