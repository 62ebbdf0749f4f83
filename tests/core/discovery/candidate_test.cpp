#include "core/discovery/candidate.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

platform::DirectoryEntry entry(const std::string& name, bool isFolder) {
    return {name, name, isFolder, {2012, 3, 3}};
}

std::vector<Candidate> scan(const std::vector<platform::DirectoryEntry>& entries, int mask) {
    platform::DirectoryListing listing;
    listing.opened = true;
    listing.entries = entries;
    const std::atomic<bool> cancel{false};
    return scanCandidates(listing, mask, cancel);
}

TEST(Candidate, KindsAndExtensionsAsTheCatalogueStoresThem) {
    const auto found =
        scan({entry("KFM.ZIP", false), entry("kfm", true), entry("readme.txt", false),
              entry("ryu.7Z", false), entry("ken.Rar", false), entry("NOEXT", false)},
             16);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].name, "KFM.zip");
    EXPECT_EQ(found[0].diskName, "KFM.ZIP"); // still reachable on a case-sensitive disk
    EXPECT_EQ(found[0].fileType, kZipCharacter);
    EXPECT_EQ(found[0].date, "2012-03-03");
    EXPECT_EQ(found[1].name, "kfm");
    EXPECT_EQ(found[1].fileType, kFolderCharacter);
    EXPECT_EQ(found[2].fileType, kSevenZipCharacter);
    EXPECT_EQ(found[3].name, "ken.rar");
    EXPECT_EQ(found[3].fileType, kRarCharacter);
}

TEST(Candidate, TheMaskExcludesKinds) {
    const std::vector<platform::DirectoryEntry> entries = {
        entry("x.zip", true), entry("a.zip", false), entry("b.7z", false), entry("c.rar", false),
        entry("plain", true)};
    EXPECT_TRUE(scan(entries, 15).empty());
    // With folders excluded a folder named x.zip is taken as an archive.
    const auto noFolders = scan(entries, 1);
    ASSERT_EQ(noFolders.size(), 4u);
    EXPECT_EQ(noFolders[0].name, "x.zip");
    EXPECT_EQ(noFolders[0].fileType, kZipCharacter);
    const auto onlyFolders = scan(entries, 2 | 4 | 8);
    ASSERT_EQ(onlyFolders.size(), 2u);
    EXPECT_EQ(onlyFolders[1].name, "plain");
}

TEST(Candidate, CancelStopsTheScan) {
    platform::DirectoryListing listing;
    listing.entries = {entry("a", true), entry("b", true)};
    const std::atomic<bool> cancel{true};
    EXPECT_TRUE(scanCandidates(listing, 16, cancel).empty());
}

} // namespace
} // namespace zorvik
