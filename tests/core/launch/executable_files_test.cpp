#include "core/launch/executable_files.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik::launch {
namespace {

using test::TempFolder;

std::string writeProgram(const TempFolder& temp, const std::string& relative, mode_t mode) {
    const std::string path = temp.write(relative, "#!/bin/sh\nexit 0\n");
    chmod(path.c_str(), mode);
    return path;
}

TEST(ExecutableFiles, AFileIsAnExistingFileAndAFolderIsNot) {
    TempFolder temp;
    EXPECT_TRUE(isExistingFile(temp.write("mugen", "x")));
    EXPECT_FALSE(isExistingFile(temp.makeFolder("chars")));
    EXPECT_FALSE(isExistingFile(temp.file("missing")));
    EXPECT_FALSE(isExistingFile(""));
}

TEST(ExecutableFiles, TheMzSignatureMakesAWindowsExecutableWhateverTheName) {
    TempFolder temp;
    EXPECT_TRUE(isWindowsExecutable(temp.write("engine", std::string("MZ\x90\0", 4))));
    EXPECT_FALSE(isWindowsExecutable(temp.write("mugen.exe", "\x7f"
                                                             "ELF")));
    EXPECT_FALSE(isWindowsExecutable(temp.write("short.exe", "M")));
    EXPECT_FALSE(isWindowsExecutable(temp.write("empty.exe", "")));
    EXPECT_FALSE(isWindowsExecutable(temp.file("missing.exe")));
}

TEST(ExecutableFiles, TheFirstExecutableOnThePathIsFound) {
    TempFolder temp;
    writeProgram(temp, "plain/wine", 0644);
    const std::string first = writeProgram(temp, "first/wine", 0755);
    writeProgram(temp, "second/wine", 0755);
    temp.makeFolder("folder/wine");
    const std::string path = temp.file("none") + ":" + temp.file("plain") + ":" +
                             temp.file("folder") + "::" + temp.file("first") + ":" +
                             temp.file("second");
    EXPECT_EQ(findProgramOnPath("wine", path), first);
    EXPECT_EQ(findProgramOnPath("wine", temp.file("plain")), std::nullopt);
    EXPECT_EQ(findProgramOnPath("wine", ""), std::nullopt);
}

TEST(ExecutableFiles, EmptyAndRelativePathEntriesAreNotTheCurrentFolder) {
    TempFolder temp;
    writeProgram(temp, "wine", 0755);
    test::ScopedCurrentFolder inTemp(temp.path());
    EXPECT_EQ(findProgramOnPath("wine", ":.:"), std::nullopt);
}

} // namespace
} // namespace zorvik::launch
