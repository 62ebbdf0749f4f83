// The character list at 100,000 rows with 15 KB portraits: UpdateCharList
// with a "contains" search over NAME against the same SELECT run on the
// same catalogue without the list indexes (NOT INDEXED), each iteration
// running both one after the other. The reported time is UpdateCharList's;
// "ratio" is its time over the unindexed SELECT's. The catalogue is kept
// in the temporary folder between runs (about 1.6 GB).
#include <chrono>
#include <filesystem>

#include <QApplication>
#include <QTreeView>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/character_list_query.h"
#include "gui/app/settings_owner.h"
#include "gui/list/character_list_pane.h"
#include "scale_catalogue.h"
#include "support/recording_messages.h"

namespace {

using namespace zorvik;

constexpr int kRows = 100000;
constexpr std::size_t kPortraitBytes = 15000;

std::string cataloguePath() {
    return (std::filesystem::temp_directory_path() / "zorvik_scale_bench" / "db.sqlite3").string();
}

// The same statement as the list's, forced past every index.
std::string unindexed(std::string sql) {
    const std::string table = "FROM CHARACTER_TABLE";
    sql.insert(sql.find(table) + table.size(), " NOT INDEXED");
    return sql;
}

std::size_t runAlone(Kel_CharacterDb& db, const std::string& sql, const BoundValue& pattern) {
    std::size_t rows = 0;
    Statement statement(db.statements(), sql);
    statement.bind({pattern});
    while (statement.step() == SQLITE_ROW) {
        for (int column = 0; column < statement.columnCount(); ++column) {
            benchmark::DoNotOptimize(statement.textViewAt(column));
        }
        ++rows;
    }
    return rows;
}

void ContainsSearchAgainstUnindexedSelect(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    if (!bench::makeScaleCatalogue(cataloguePath(), kRows, kPortraitBytes)) {
        state.SkipWithError("cannot make the catalogue");
        return;
    }
    Kel_CharacterDb db(cataloguePath());
    AppSettings values;
    values.ColumnNames = columnNamesFromLines(nullptr);
    applyDefaultColumnOrder(values.ColumnOrder);
    gui::SettingsOwner settings(values);
    const ListSearch search{kNameColumn, MatchMode::Contains, "ka"};
    const auto query =
        makeCharacterListQuery({shownColumns(settings.settings().ColumnOrder), search, {}});
    const std::string baseline = unindexed(query.sql);
    test::RecordingMessages messages;
    gui::CharacterListPane pane(db, settings, messages, nullptr);
    pane.resize(760, 600);
    pane.show();
    pane.applySearch(search);
    std::chrono::duration<double> baselineTime{0};
    std::chrono::duration<double> updateTime{0};
    std::size_t matched = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        matched = runAlone(db, baseline, query.parameters[0]);
        const auto middle = Clock::now();
        pane.UpdateCharList();
        QApplication::processEvents();
        const auto end = Clock::now();
        baselineTime += middle - start;
        updateTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["unindexed_ms"] = baselineTime.count() * 1000 / iterations;
    state.counters["ratio"] = updateTime / baselineTime;
    state.counters["rows"] = static_cast<double>(matched);
}

BENCHMARK(ContainsSearchAgainstUnindexedSelect)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
