// The portrait grid at 100,000 rows with 15 KB portraits (real indexed PNGs,
// colour 0 round the figure). Two ratios, each measured in the same run:
//   PagePaintAgainstList: one page of the grid painted with its portraits
//     decoded, against the list's page painted ("ratio", target <= 3).
//     "cold_page_ms" adds the decodes of that page, from an empty cache.
//   PageDownColdAgainstWarm: a Page Down step (the key and the repaint, on
//     the GUI thread) with an empty cache, against the same with the next
//     page already cached ("ratio", target <= 1.5).
// Counters also give the switch from the list to the grid at 100,000 rows
// and the resident memory. The catalogue is kept in the temporary folder.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>

#include <QApplication>
#include <QBuffer>
#include <QListView>
#include <QPainter>
#include <QTest>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include "core/catalogue/character_db.h"
#include "gui/app/settings_owner.h"
#include "gui/grid/portrait_cache.h"
#include "gui/grid/portrait_grid_switch.h"
#include "gui/grid/portrait_loader.h"
#include "gui/list/character_list_pane.h"
#include "scale_catalogue.h"
#include "support/recording_messages.h"
#include "support/resident_memory.h"

namespace {

using namespace zorvik;
using Clock = std::chrono::steady_clock;

constexpr int kRows = 100000;

std::string cataloguePath() {
    return (std::filesystem::temp_directory_path() / "zorvik_grid_bench" / "db.sqlite3").string();
}

// A 160 x 200 portrait as a sprite gives it: a figure of 16 noisy colours on colour 0.
std::vector<std::uint8_t> samplePortrait() {
    QImage image(160, 200, QImage::Format_Indexed8);
    QList<QRgb> colours = {qRgb(255, 0, 255)};
    std::mt19937 random(11);
    for (int k = 1; k < 17; ++k) {
        colours << qRgb(static_cast<int>(random() % 256), static_cast<int>(random() % 256),
                        static_cast<int>(random() % 256));
    }
    image.setColorTable(colours);
    image.fill(0);
    for (int y = 10; y < 195; ++y) {
        for (int x = 15; x < 145; ++x) {
            image.setPixel(x, y, 1 + random() % 16);
        }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {png.begin(), png.end()};
}

double millisecondsOf(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

AppSettings listSettings() {
    AppSettings values;
    values.ColumnNames = columnNamesFromLines(nullptr);
    applyDefaultColumnOrder(values.ColumnOrder);
    return values;
}

// The list pane and the grid over the scale catalogue, on show at a window's size.
struct Panes {
    Panes() : db(cataloguePath()), pane(db, settings, messages, nullptr) {
        grid = std::make_unique<gui::PortraitGridSwitch>(db, pane, settings);
        pane.resize(760, 600);
        pane.show();
        pane.UpdateCharList();
        pane.selectFirstRow();
        QApplication::processEvents();
    }
    QListView& view() const { return *grid->view(); }
    void paintGrid() const { view().viewport()->repaint(); }
    void paintList() const { pane.listView()->viewport()->repaint(); }

    Kel_CharacterDb db;
    gui::SettingsOwner settings{listSettings()};
    test::RecordingMessages messages;
    gui::CharacterListPane pane;
    std::unique_ptr<gui::PortraitGridSwitch> grid;
};

bool prepared(benchmark::State& state) {
    if (!bench::makeScaleCatalogue(cataloguePath(), kRows, samplePortrait())) {
        state.SkipWithError("cannot make the catalogue");
        return false;
    }
    return true;
}

void PagePaintAgainstList(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    Panes panes;
    const double switchMs = millisecondsOf([&] {
        panes.grid->showGrid(true);
        panes.paintGrid();
    });
    double gridMs = 0;
    double listMs = 0;
    double coldMs = 0;
    for (auto _ : state) {
        panes.grid->cache().clear();
        coldMs += millisecondsOf([&] {
            panes.paintGrid();
            panes.grid->loader().finishAll();
            panes.paintGrid();
        });
        const double grid = millisecondsOf([&] { panes.paintGrid(); });
        panes.grid->showGrid(false);
        listMs += millisecondsOf([&] { panes.paintList(); });
        panes.grid->showGrid(true);
        gridMs += grid;
        state.SetIterationTime(grid / 1000);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["list_page_ms"] = listMs / iterations;
    state.counters["cold_page_ms"] = coldMs / iterations;
    state.counters["switch_ms"] = switchMs;
    state.counters["ratio"] = gridMs / listMs;
    state.counters["resident_MB"] = static_cast<double>(zorvik::test::residentKilobytes()) / 1024;
}

// One Page Down on the GUI thread: the key, then the repaint it causes.
double pageDown(Panes& panes) {
    return millisecondsOf([&] {
        QTest::keyClick(&panes.view(), Qt::Key_PageDown);
        panes.paintGrid();
    });
}

void PageDownColdAgainstWarm(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    Panes panes;
    panes.grid->showGrid(true);
    panes.view().setFocus();
    double coldMs = 0;
    double warmMs = 0;
    double longestMs = 0;
    for (auto _ : state) {
        panes.grid->cache().clear();
        const double cold = pageDown(panes);
        // The page reached is decoded; back up and take the same step warm.
        panes.grid->loader().finishAll();
        QTest::keyClick(&panes.view(), Qt::Key_PageUp);
        panes.paintGrid();
        panes.grid->loader().finishAll();
        const double warm = pageDown(panes);
        coldMs += cold;
        warmMs += warm;
        longestMs = std::max({longestMs, cold, warm});
        state.SetIterationTime(cold / 1000);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["warm_ms"] = warmMs / iterations;
    state.counters["longest_ms"] = longestMs;
    state.counters["ratio"] = coldMs / warmMs;
    state.counters["row"] = panes.view().currentIndex().row();
    state.counters["resident_MB"] = static_cast<double>(zorvik::test::residentKilobytes()) / 1024;
}

BENCHMARK(PagePaintAgainstList)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PageDownColdAgainstWarm)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
