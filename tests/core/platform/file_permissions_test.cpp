#include "core/platform/file_permissions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/other_user.h"
#include "support/temp_folder.h"

namespace zorvik::platform {
namespace {

constexpr std::uint32_t kAlice = 1000;
constexpr std::uint32_t kStaff = 50;

FileMode owned(std::uint32_t bits) {
    return FileMode{bits, kAlice, kStaff};
}

TEST(FilePermissions, TheBitsOfTheCallersClassDecideWriting) {
    const ProcessIdentity alice{kAlice, {kAlice}};
    const ProcessIdentity colleague{2000, {2000, kStaff}};
    const ProcessIdentity stranger{3000, {3000}};
    EXPECT_TRUE(modeGrantsWriting(owned(0644), alice));
    EXPECT_FALSE(modeGrantsWriting(owned(0444), alice));
    EXPECT_FALSE(modeGrantsWriting(owned(0466), alice)); // the owner's own bit, not the others'
    EXPECT_FALSE(modeGrantsWriting(owned(0644), colleague));
    EXPECT_TRUE(modeGrantsWriting(owned(0464), colleague));
    EXPECT_FALSE(modeGrantsWriting(owned(0664), stranger));
    EXPECT_TRUE(modeGrantsWriting(owned(0446), stranger));
}

TEST(FilePermissions, TheSuperuserIsHeldToTheWriteBitsAsToExecution) {
    const ProcessIdentity root{kSuperuser, {0}};
    EXPECT_FALSE(modeGrantsWriting(owned(0444), root));
    EXPECT_FALSE(modeGrantsWriting(owned(0555), root));
    EXPECT_FALSE(modeGrantsWriting(owned(0000), root));
    EXPECT_TRUE(modeGrantsWriting(owned(0644), root)); // another user's writable file
    EXPECT_TRUE(modeGrantsWriting(owned(0464), root));
    EXPECT_TRUE(modeGrantsWriting(owned(0442), root));
    EXPECT_FALSE(modeGrantsChangingFolder(owned(0555), root));
    EXPECT_FALSE(modeGrantsChangingFolder(owned(0666), root)); // writable, but cannot be searched
    EXPECT_TRUE(modeGrantsChangingFolder(owned(0755), root));
}

TEST(FilePermissions, AFolderNeedsWritingAndSearchingInTheSameClass) {
    const ProcessIdentity alice{kAlice, {kAlice}};
    EXPECT_TRUE(modeGrantsChangingFolder(owned(0700), alice));
    EXPECT_FALSE(modeGrantsChangingFolder(owned(0500), alice));
    EXPECT_FALSE(modeGrantsChangingFolder(owned(0600), alice));
    EXPECT_FALSE(modeGrantsChangingFolder(owned(0577), alice));
}

// The decision on disk, for whoever runs the tests and, when that is root, for nobody too.
TEST(FilePermissions, AReadOnlyFileOrFolderIsRefusedToRootAndToAnOrdinaryUser) {
    test::TempFolder temp;
    chmod(temp.path().c_str(), 0755);
    const std::string readOnly = temp.write("readonly/select.def", "x");
    const std::string shared = temp.write("shared/select.def", "x");
    chmod(readOnly.c_str(), 0444);
    chmod(temp.file("readonly").c_str(), 0555);
    chmod(shared.c_str(), 0666);
    chmod(temp.file("shared").c_str(), 0777);
    EXPECT_FALSE(mayReplaceFile(readOnly));
    EXPECT_FALSE(mayChangeFolder(temp.file("readonly")));
    EXPECT_TRUE(mayReplaceFile(shared));
    EXPECT_TRUE(mayChangeFolder(temp.file("shared")));
    EXPECT_FALSE(mayReplaceFile(temp.file("missing")));
    if (geteuid() != 0) {
        return;
    }
    // nobody may write what its others' bits allow, nothing else of root's.
    const std::string rootOnly = temp.write("shared/root-only.def", "x");
    chmod(rootOnly.c_str(), 0644);
    EXPECT_EQ(test::answerAsNobody([&] { return mayReplaceFile(readOnly); }), false);
    EXPECT_EQ(test::answerAsNobody([&] { return mayChangeFolder(temp.file("readonly")); }), false);
    EXPECT_EQ(test::answerAsNobody([&] { return mayReplaceFile(rootOnly); }), false);
    EXPECT_EQ(test::answerAsNobody([&] { return mayReplaceFile(shared); }), true);
    EXPECT_EQ(test::answerAsNobody([&] { return mayChangeFolder(temp.file("shared")); }), true);
}

} // namespace
} // namespace zorvik::platform
