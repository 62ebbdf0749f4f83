#include "gui/grid/portrait_cache.h"

#include <algorithm>
#include <atomic>
#include <semaphore>
#include <vector>

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

#include "gui/grid/portrait_loader.h"

namespace zorvik::test {
namespace {

using gui::GridPortrait;
using gui::PortraitCache;
using gui::PortraitLoader;

GridPortrait portraitOf(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    return {image, true};
}

TEST(PortraitCache, StaysWithinItsBudgetAndDropsTheLeastRecentlyDrawnFirst) {
    const GridPortrait one = portraitOf(128, 160);
    const qsizetype cost = PortraitCache::costOf(one);
    PortraitCache cache(cost * 3);
    for (qint64 id = 1; id <= 3; ++id) {
        cache.insert(id, one);
    }
    EXPECT_EQ(cache.count(), 3);
    ASSERT_NE(cache.find(1), nullptr); // 1 drawn again: 2 is now the oldest
    cache.insert(4, one);
    EXPECT_EQ(cache.find(2), nullptr);
    EXPECT_NE(cache.find(1), nullptr);
    EXPECT_NE(cache.find(4), nullptr);
    EXPECT_LE(cache.usedBytes(), cache.budgetBytes());

    // Thousands of rows scrolled past never take more than the budget.
    for (qint64 id = 10; id < 5000; ++id) {
        cache.insert(id, id % 2 == 0 ? one : GridPortrait{});
        ASSERT_LE(cache.usedBytes(), cache.budgetBytes());
    }
    // Rows without a portrait count too, so they cannot pile up without bound.
    EXPECT_LT(cache.count(), 3 * 128 * 160);
}

TEST(PortraitCache, AnEntryLargerThanTheWholeBudgetIsNotKeptAndClearEmpties) {
    PortraitCache cache(1000);
    cache.insert(1, portraitOf(100, 100));
    EXPECT_EQ(cache.find(1), nullptr);
    cache.insert(2, GridPortrait{});
    ASSERT_NE(cache.find(2), nullptr);
    EXPECT_FALSE(cache.find(2)->stored);
    // The same row again replaces its entry, not adds a second.
    cache.insert(2, GridPortrait{QImage(), true});
    EXPECT_EQ(cache.count(), 1);
    EXPECT_TRUE(cache.find(2)->stored);
    cache.clear();
    EXPECT_EQ(cache.count(), 0);
    EXPECT_EQ(cache.usedBytes(), 0);
}

// A decoder the test holds up: each decode waits for a permit.
struct HeldDecoder {
    std::counting_semaphore<1000> permits{0};
    std::atomic<int> decodes{0};
    std::vector<qint64> delivered;
};

TEST(PortraitLoader, DecodesOnAWorkerOnceARowAndTheNewestRequestFirst) {
    HeldDecoder held;
    const Qt::HANDLE guiThread = QThread::currentThreadId();
    std::atomic<bool> onWorker{true};
    PortraitLoader loader(
        [&](qint64 id) {
            onWorker = onWorker && QThread::currentThreadId() != guiThread;
            held.permits.acquire();
            ++held.decodes;
            return portraitOf(static_cast<int>(id), 1);
        },
        nullptr);
    QObject::connect(&loader, &PortraitLoader::loaded,
                     [&](qint64 id, const GridPortrait& portrait) {
                         EXPECT_EQ(portrait.image.width(), id);
                         held.delivered.push_back(id);
                     });
    // Rows asked for in one paint: 3, the newest, is decoded before 2, and 2 only once.
    const int busy = std::max(1, QThread::idealThreadCount() - 1);
    for (int k = 0; k < busy; ++k) {
        loader.request(100 + k);
    }
    loader.request(2);
    loader.request(3);
    loader.request(2);
    EXPECT_FALSE(loader.idle());
    held.permits.release(1000);
    loader.finishAll();
    EXPECT_TRUE(loader.idle());
    EXPECT_TRUE(onWorker);
    EXPECT_EQ(held.decodes, busy + 2);
    ASSERT_GE(held.delivered.size(), 2u);
    const auto at = [&](qint64 id) {
        return std::find(held.delivered.begin(), held.delivered.end(), id) - held.delivered.begin();
    };
    EXPECT_LT(at(3), at(2));
}

TEST(PortraitLoader, OnlyTheLatestRequestsWaitAndForgottenOnesAreAskedAgain) {
    HeldDecoder held;
    PortraitLoader loader(
        [&](qint64 id) {
            held.permits.acquire();
            ++held.decodes;
            return portraitOf(static_cast<int>(id), 1);
        },
        nullptr);
    QObject::connect(&loader, &PortraitLoader::loaded,
                     [&](qint64 id, const GridPortrait&) { held.delivered.push_back(id); });
    const qint64 rows = 1000;
    for (qint64 id = 1; id <= rows; ++id) {
        loader.request(id);
    }
    held.permits.release(1000);
    loader.finishAll();
    // Decodes start once the requests of a paint are in: only the last kWaitingLimit are decoded.
    EXPECT_EQ(held.delivered.size(), PortraitLoader::kWaitingLimit);
    EXPECT_EQ(std::count(held.delivered.begin(), held.delivered.end(), rows), 1);
    EXPECT_EQ(std::count(held.delivered.begin(), held.delivered.end(), rows / 2), 0);

    // A dropped row is decoded when it is asked for again.
    loader.request(rows / 2);
    loader.finishAll();
    EXPECT_EQ(held.delivered.back(), rows / 2);

    // Rows forgotten while they wait (the list was rebuilt) are never decoded.
    held.delivered.clear();
    HeldDecoder later;
    PortraitLoader slow(
        [&](qint64 id) {
            later.permits.acquire();
            return portraitOf(static_cast<int>(id), 1);
        },
        nullptr);
    QObject::connect(&slow, &PortraitLoader::loaded,
                     [&](qint64 id, const GridPortrait&) { later.delivered.push_back(id); });
    for (qint64 id = 1; id <= 20; ++id) {
        slow.request(id);
    }
    slow.forgetWaiting();
    later.permits.release(100);
    slow.finishAll();
    EXPECT_TRUE(later.delivered.empty());
}

} // namespace
} // namespace zorvik::test
