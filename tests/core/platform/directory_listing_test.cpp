#include "core/platform/directory_listing.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik::platform {
namespace {

std::vector<std::string> names(const DirectoryListing& listing) {
    std::vector<std::string> result;
    for (const auto& entry : listing.entries) {
        result.push_back(entry.name);
    }
    return result;
}

TEST(DirectoryListing, SortsByNameIgnoringCaseAndTellsFoldersApart) {
    test::TempFolder temp;
    temp.makeFolder("beta");
    temp.write("Alpha.zip", "z");
    temp.write("alpha.def", "d");
    temp.makeFolder("Gamma");
    temp.write("gamma", "same name but for case: capitals first");
    const DirectoryListing listing = listDirectory(temp.path());
    ASSERT_TRUE(listing.opened);
    EXPECT_EQ(listing.errorCode, 0);
    EXPECT_EQ(names(listing),
              (std::vector<std::string>{"alpha.def", "Alpha.zip", "beta", "Gamma", "gamma"}));
    EXPECT_FALSE(listing.entries[1].isFolder);
    EXPECT_TRUE(listing.entries[2].isFolder);
}

TEST(DirectoryListing, DatesAreUtcCalendarDays) {
    test::TempFolder temp;
    const std::string folder = temp.makeFolder("kfm");
    // 23:59:59 UTC stays on the 3rd, also where it is already the 4th.
    test::setLastWriteTime(folder, 2012, 3, 3, 86399);
    const char* zone = std::getenv("TZ");
    const std::string savedZone = zone ? zone : "";
    setenv("TZ", "JST-9", 1); // needs no time zone data
    tzset();
    const DirectoryListing listing = listDirectory(temp.path());
    zone ? setenv("TZ", savedZone.c_str(), 1) : unsetenv("TZ");
    tzset();
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].lastWriteDate.toString(), "2012-03-03");
}

TEST(DirectoryListing, ShiftJisNamesAreDecodedAndKeepTheirDiskBytes) {
    test::TempFolder temp;
    const std::string sjis = "\x93\xfa\x96\x7b"; // 日本 in Shift-JIS
    temp.makeFolder(sjis);
    const DirectoryListing listing = listDirectory(temp.path());
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].name, "日本");
    EXPECT_EQ(listing.entries[0].diskName, sjis);
    EXPECT_EQ(resolveInFolder(temp.path(), "日本"), temp.path() + "/" + sjis);
}

// The check, the roster and the animation reach a row's entry through
// these names, so a name shown with its bytes leads back to its own entry.
TEST(DirectoryListing, NamesThatWouldReadAlikeAreToldApartAndResolvedAgain) {
    test::TempFolder temp;
    const std::string sjis = "\x83\x4c\x83\x83\x83\x89"; // キャラ in Shift-JIS
    temp.makeFolder(sjis);
    temp.makeFolder("キャラ");
    temp.makeFolder("x\xff");
    const DirectoryListing listing = listDirectory(temp.path());
    EXPECT_EQ(names(listing), (std::vector<std::string>{"x\uFFFD (0x78FF)", "キャラ",
                                                        "キャラ (0x834C83838389)"}));
    EXPECT_TRUE(listing.entries[0].toldApart);
    EXPECT_FALSE(listing.entries[1].toldApart);
    EXPECT_TRUE(listing.entries[2].toldApart);
    EXPECT_EQ(resolveInFolder(temp.path(), "キャラ (0x834C83838389)"), temp.path() + "/" + sjis);
    EXPECT_EQ(resolveInFolder(temp.path(), "キャラ"), temp.path() + "/キャラ");
    EXPECT_EQ(resolveInFolder(temp.path(), "x\uFFFD (0x78FF)"), temp.path() + "/x\xff");
}

TEST(DirectoryListing, MissingFolderIsNotOpened) {
    test::TempFolder temp;
    EXPECT_FALSE(listDirectory(temp.file("missing")).opened);
}

TEST(DirectoryListing, ResolvingFindsNamesWrittenInAnotherCase) {
    test::TempFolder temp;
    temp.write("Media/Ken.SFF", "x");
    EXPECT_EQ(resolveInFolder(temp.path(), "media"), temp.path() + "/Media");
    EXPECT_EQ(resolveInFolder(temp.path() + "/Media", "ken.sff"), temp.path() + "/Media/Ken.SFF");
    EXPECT_EQ(resolveInFolder(temp.path(), "none"), temp.path() + "/none");
}

TEST(DirectoryListing, SuffixMatchIgnoresCase) {
    EXPECT_TRUE(endsWithIgnoringCase("KFM.DEF", ".def"));
    EXPECT_FALSE(endsWithIgnoringCase("def", ".def"));
}

} // namespace
} // namespace zorvik::platform
