#include "core/archive/archive_dll.h"

#include <gtest/gtest.h>
#include <string>

namespace zorvik {
namespace {

TEST(KelArchiveDLL, ExportNamesMustFitTheBufferAndUnloadForgetsTheLibrary) {
    const std::string alpha = std::string(ZORVIK_TEST_PLUGIN_DIR) + "/alpha.so";
    KelArchiveDLL plugin;
    // prefix + "QueryFunctionList" takes 64 bytes here, one more than the buffer holds.
    EXPECT_FALSE(plugin.Load(alpha, std::string(47, 'a')));
    EXPECT_FALSE(plugin.Load(alpha, std::string(63, 'a')));
    EXPECT_TRUE(plugin.fileName().empty());

    ASSERT_TRUE(plugin.Load(alpha, "alpha"));
    EXPECT_TRUE(plugin.hasGetVersion() && plugin.hasGetRunning() && plugin.hasCommand());
    plugin.Unload();
    EXPECT_TRUE(plugin.fileName().empty() && plugin.prefix().empty());
    EXPECT_FALSE(plugin.hasQueryFunctionList() || plugin.hasCommand() || plugin.hasCheckArchive());
}

} // namespace
} // namespace zorvik
