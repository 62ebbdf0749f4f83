#include "core/archive/archive_dll.h"

#include <gtest/gtest.h>
#include <string>

namespace zorvik {
namespace {

std::string testPlugin(const std::string& name) {
    return std::string(ZORVIK_TEST_PLUGIN_DIR) + "/" + name + ".so";
}

TEST(KelArchiveDLL, LoadResolvesTheExportFamilyOfThePrefix) {
    KelArchiveDLL plugin("x", "*.def");
    ASSERT_TRUE(plugin.Load(testPlugin("sixteen"), "SixteenCharsPfxA"));
    EXPECT_EQ(plugin.fileName(), "sixteen.so");
    EXPECT_EQ(plugin.prefix(), "SixteenCharsPfxA");
    EXPECT_EQ(plugin.commandL(), "x");
    EXPECT_EQ(plugin.commandR(), "*.def");
    EXPECT_TRUE(plugin.hasCommand());
    EXPECT_TRUE(plugin.hasCheckArchive());
    EXPECT_TRUE(plugin.hasQueryFunctionList());
    EXPECT_TRUE(plugin.hasGetVersion());
    EXPECT_TRUE(plugin.hasGetRunning());
    EXPECT_EQ(plugin.CheckArchive("any.zip", 0), 1);
}

TEST(KelArchiveDLL, LoadNeedsQueryFunctionListUnderThePrefix) {
    KelArchiveDLL plugin;
    EXPECT_FALSE(plugin.Load(testPlugin("noquery"), "noquery"));
    EXPECT_FALSE(plugin.Load(testPlugin("alpha"), "Bravo"));
    EXPECT_FALSE(plugin.Load(testPlugin("absent"), "absent"));
    EXPECT_TRUE(plugin.fileName().empty());
    EXPECT_TRUE(plugin.prefix().empty());
    EXPECT_FALSE(plugin.hasCommand());
}

TEST(KelArchiveDLL, ExportNamesThatDoNotFitTheBufferResolveNothing) {
    KelArchiveDLL plugin;
    // prefix + "QueryFunctionList" takes 64 bytes, one more than the buffer holds.
    EXPECT_FALSE(plugin.Load(testPlugin("alpha"), std::string(47, 'a')));
    EXPECT_FALSE(plugin.Load(testPlugin("alpha"), std::string(63, 'a')));
}

TEST(KelArchiveDLL, LoadReplacesAndUnloadForgetsTheLibrary) {
    KelArchiveDLL plugin;
    ASSERT_TRUE(plugin.Load(testPlugin("alpha"), "alpha"));
    ASSERT_TRUE(plugin.Load(testPlugin("nocheck"), "nocheck"));
    EXPECT_EQ(plugin.fileName(), "nocheck.so");
    EXPECT_FALSE(plugin.hasCheckArchive());
    plugin.Unload();
    EXPECT_TRUE(plugin.fileName().empty());
    EXPECT_TRUE(plugin.prefix().empty());
    EXPECT_FALSE(plugin.hasQueryFunctionList());
}

} // namespace
} // namespace zorvik
