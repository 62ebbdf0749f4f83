#include "core/platform/replacement_lock.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "support/temp_folder.h"

namespace zorvik::platform {
namespace {

using namespace std::chrono_literals;
using Outcome = ReplacementLock::Outcome;

TEST(ReplacementLock, ASecondHolderWaitsItsPatienceThenGivesUp) {
    test::TempFolder temp;
    const std::string file = temp.write("select.def", "x");
    ReplacementLock first;
    ASSERT_EQ(first.acquire(file, 0ms), Outcome::Locked);
    ReplacementLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(second.acquire(file, 200ms), Outcome::Busy);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    // A file that does not exist yet is covered by its folder's lock.
    EXPECT_EQ(second.acquire(temp.file("new.def"), 0ms), Outcome::Busy);
}

TEST(ReplacementLock, AWaiterGetsTheLockOnceItIsReleased) {
    test::TempFolder temp;
    const std::string file = temp.write("select.def", "x");
    auto first = std::make_unique<ReplacementLock>();
    ASSERT_EQ(first->acquire(file, 0ms), Outcome::Locked);
    std::thread releaser([&first] {
        std::this_thread::sleep_for(100ms);
        first.reset();
    });
    ReplacementLock second;
    EXPECT_EQ(second.acquire(file, 5s), Outcome::Locked);
    releaser.join();
}

TEST(ReplacementLock, NoFolderNoLock) {
    test::TempFolder temp;
    ReplacementLock lock;
    EXPECT_EQ(lock.acquire(temp.file("missing/select.def"), 0ms), Outcome::Failed);
}

} // namespace
} // namespace zorvik::platform
