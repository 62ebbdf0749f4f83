#include "core/platform/program_folders.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik::platform {
namespace {

// An environment of the variables given, every other unset.
EnvironmentLookup environmentOf(std::map<std::string, std::string> variables) {
    return [variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

const char* const kPlugins = "../lib/x86_64-linux-gnu/zorvik/ArchiverDLLs";

TEST(ProgramFolders, APortableFolderKeepsSettingsBesideTheProgramAndTheCatalogueWhereItStarted) {
    const ProgramFolders folders = portableFolders("/opt/zorvik", "/home/me/chars");
    EXPECT_EQ(folders.settings, "/opt/zorvik");
    EXPECT_EQ(folders.catalogue, "/home/me/chars");
    EXPECT_EQ(folders.paths, "/opt/zorvik");
    EXPECT_FALSE(folders.installed);
}

TEST(ProgramFolders, AnInstalledProgramUsesTheXdgFoldersAndFindsPluginsBesideItsExecutable) {
    const auto folders = installedFolders(environmentOf(
        {{"HOME", "/home/me"}, {"XDG_CONFIG_HOME", "/cfg/"}, {"XDG_DATA_HOME", "/d"}}));
    ASSERT_TRUE(folders);
    EXPECT_EQ(folders->settings, "/cfg/zorvik");
    EXPECT_EQ(folders->catalogue, "/d/zorvik");
    // Relative folders of the settings never lead into the configuration folder.
    EXPECT_EQ(folders->paths, "/d/zorvik");
    EXPECT_TRUE(folders->installed);
    EXPECT_EQ(pluginFolderOf("/usr/bin", kPlugins),
              "/usr/lib/x86_64-linux-gnu/zorvik/ArchiverDLLs");
    EXPECT_EQ(pluginFolderOf("/opt/zorvik", "ArchiverDLLs"), "/opt/zorvik/ArchiverDLLs");
}

TEST(ProgramFolders, UnsetEmptyOrRelativeXdgVariablesFallBackToTheHomeFolder) {
    for (const auto& variables : std::vector<std::map<std::string, std::string>>{
             {{"HOME", "/home/me/"}},
             {{"HOME", "/home/me"}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}},
             {{"HOME", "/home/me"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", "./d"}}}) {
        const auto folders = installedFolders(environmentOf(variables));
        ASSERT_TRUE(folders);
        EXPECT_EQ(folders->settings, "/home/me/.config/zorvik");
        EXPECT_EQ(folders->catalogue, "/home/me/.local/share/zorvik");
    }
}

TEST(ProgramFolders, WithoutAHomeFolderAnInstalledProgramHasNoPlaceForItsFiles) {
    EXPECT_FALSE(installedFolders(environmentOf({})));
    EXPECT_FALSE(installedFolders(environmentOf({{"HOME", "relative"}})));
    // Both XDG folders given: no home needed.
    EXPECT_TRUE(
        installedFolders(environmentOf({{"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}})));
}

TEST(ProgramFolders, TheInstalledFoldersAreMadeOnFirstUseAndAPortableLayoutIsLeftAlone) {
    test::TempFolder home;
    const auto folders = installedFolders(environmentOf({{"HOME", home.path()}}));
    ASSERT_TRUE(folders);
    ASSERT_TRUE(createProgramFolders(*folders));
    EXPECT_TRUE(std::filesystem::is_directory(home.path() + "/.config/zorvik"));
    EXPECT_TRUE(std::filesystem::is_directory(home.path() + "/.local/share/zorvik"));
    // Again: the folders exist, nothing fails.
    EXPECT_TRUE(createProgramFolders(*folders));

    const ProgramFolders portable = portableFolders(home.path() + "/nowhere", home.path() + "/no");
    EXPECT_TRUE(createProgramFolders(portable));
    EXPECT_FALSE(std::filesystem::exists(home.path() + "/nowhere"));
}

TEST(ProgramFolders, AFileInTheWayOfTheSettingsFolderIsReported) {
    test::TempFolder home;
    home.write(".config/zorvik", "not a folder");
    const auto folders = installedFolders(environmentOf({{"HOME", home.path()}}));
    ASSERT_TRUE(folders);
    EXPECT_FALSE(createProgramFolders(*folders));
}

TEST(ProgramFolders, ThisBuildIsPortable) {
    const auto folders = programFolders("/start");
    ASSERT_TRUE(folders);
    EXPECT_FALSE(folders->installed);
    EXPECT_EQ(folders->catalogue, "/start");
}

} // namespace
} // namespace zorvik::platform
