#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/archive/archive_dll.h"
#include "support/fixture_entry.h"
#include "support/temp_folder.h"

namespace zorvik::test {

using Entry = FixtureEntry;
using Tree = std::vector<std::string>;

// The bundled plug-in of the build's ArchiverDLLs/, called directly with
// command lines of the test's choosing; a temporary folder with an empty
// destination folder inside it.
class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Runs commandLine with an output buffer of the manager's size; output holds the text.
    int run(const std::string& commandLine);

    KelArchiveDLL plugin;
    std::string output;
    TempFolder temp;
    std::string out = temp.makeFolder("nest/out");
};

// A command line as the manager builds it: command, archive and destination
// quoted (the destination with a trailing separator), then the rest.
std::string commandLine(const std::string& command, const std::string& archive,
                        const std::string& destination, const std::string& rest = "");

// Everything below folder as sorted relative paths; folders end with "/",
// symbolic links with "@".
Tree treeOf(const std::string& folder);

} // namespace zorvik::test
