// UpdateCharList over a catalogue of 20,000 characters, against the same
// SELECT run alone with SQLite on the same connection. Each iteration runs
// both, one after the other, so that both see the same machine load; the
// reported time is UpdateCharList's, the counter "ratio" its time over the
// SELECT's. Argument 0: the default columns without a search; 1: with a
// "contains" search that keeps about half of the rows.
// SortedListAgainstPlainSort: the list's SELECT sorted as the header sorts
// it, against the same SELECT sorted by the column's bytes without letter
// case (COLLATE NOCASE, the plain sort SQLite has built in); "ratio" is the
// list's time over the plain one's. Argument 0: NAME by NATURAL_ORDER; 1:
// UPDATE_DATE by the date it stands for.
#include <chrono>
#include <filesystem>
#include <random>

#include <QApplication>
#include <QTreeView>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/character_list_query.h"
#include "gui/app/settings_owner.h"
#include "gui/list/character_list_pane.h"
#include "support/recording_messages.h"

namespace {

using namespace zorvik;

constexpr int kRows = 20000;

std::string randomWord(std::mt19937& random, const char* const* syllables, int count) {
    std::string word;
    for (int i = 0; i < 3; ++i) {
        word += syllables[random() % static_cast<unsigned>(count)];
    }
    return word;
}

// A version date as authors write it: mostly the engine's month,day,year,
// now and then another form or no date at all.
std::string versionDate(std::mt19937& random) {
    const auto part = [&random](unsigned range, unsigned from) {
        return std::to_string(random() % range + from);
    };
    switch (random() % 8) {
    case 0:
        return part(20, 1990) + "/" + part(12, 1) + "/" + part(28, 1);
    case 1:
        return "v1." + part(10, 0);
    default:
        return part(12, 1) + "," + part(28, 1) + "," + part(20, 1990);
    }
}

// The generated catalogue, opened once for the whole run.
class Catalogue {
public:
    Catalogue() : folder_(std::filesystem::temp_directory_path() / "zorvik_list_bench") {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        db_ = std::make_unique<Kel_CharacterDb>((folder_ / "db.sqlite3").string());
        fill();
        AppSettings settings;
        settings.ColumnNames = columnNamesFromLines(nullptr);
        applyDefaultColumnOrder(settings.ColumnOrder);
        settings_.store(settings);
    }
    ~Catalogue() {
        db_.reset();
        std::filesystem::remove_all(folder_);
    }

    Kel_CharacterDb& db() { return *db_; }
    const gui::SettingsOwner& settings() const { return settings_; }

private:
    void fill() {
        static const char* const latin[] = {"ka", "ri", "zo", "mu", "ten", "ba", "ru", "shi"};
        static const char* const kana[] = {"リュ", "ウ", "ケン", "サ", "キ", "ゾル", "ヴィ", "ク"};
        std::mt19937 random(7);
        executeBound(db_->statements(), "BEGIN;", {});
        for (int row = 0; row < kRows; ++row) {
            executeBound(
                db_->statements(),
                "INSERT INTO CHARACTER_TABLE(NAME, NAME2, AUTHOR, SUPPORTED_VER, "
                "UPDATE_DATE, COMMENT, FILENAME, FILETYPE, PATH_ID, DELETED) "
                "VALUES(?, ?, ?, '1.0', ?, ?, ?, 0, 1, 0)",
                {BoundValue::ofText(randomWord(random, latin, 8) + std::to_string(random() % 100)),
                 BoundValue::ofText(randomWord(random, kana, 8)),
                 BoundValue::ofText(randomWord(random, latin, 8)),
                 BoundValue::ofText(versionDate(random)),
                 BoundValue::ofText(row % 3 == 0 ? "お気に入り" : ""),
                 BoundValue::ofText("char" + std::to_string(row) + ".zip")});
        }
        executeBound(db_->statements(), "COMMIT;", {});
    }

    std::filesystem::path folder_;
    std::unique_ptr<Kel_CharacterDb> db_;
    gui::SettingsOwner settings_;
};

Catalogue& catalogue() {
    static Catalogue instance;
    return instance;
}

ListSearch searchFor(const benchmark::State& state) {
    return state.range(0) == 0 ? ListSearch{} : ListSearch{kNameColumn, MatchMode::Contains, "a"};
}

// Steps through every row and reads every column's text, as the list's select does.
std::size_t runSelectAlone(Kel_CharacterDb& db, const CharacterListQuery& query) {
    std::size_t bytes = 0;
    Statement statement(db.statements(), query.sql);
    statement.bind(query.parameters);
    while (statement.step() == SQLITE_ROW) {
        bytes += static_cast<std::size_t>(sqlite3_column_int(statement.handle(), 0));
        for (int column = 1; column < statement.columnCount(); ++column) {
            sqlite3_column_text(statement.handle(), column);
            bytes += static_cast<std::size_t>(sqlite3_column_bytes(statement.handle(), column));
        }
    }
    return bytes;
}

// The whole rebuild: the query into CharListResult, the model reset and the
// view's layout and paint of its visible rows.
void UpdateCharListAgainstSelect(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Catalogue& data = catalogue();
    const ListSearch search = searchFor(state);
    const auto query =
        makeCharacterListQuery({shownColumns(data.settings().settings().ColumnOrder), search, {}});
    test::RecordingMessages messages;
    gui::CharacterListPane pane(data.db(), data.settings(), messages, nullptr);
    pane.resize(760, 600);
    pane.show();
    pane.applySearch(search);
    std::chrono::duration<double> selectTime{0};
    std::chrono::duration<double> updateTime{0};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(runSelectAlone(data.db(), query));
        const auto middle = Clock::now();
        pane.UpdateCharList();
        QApplication::processEvents();
        const auto end = Clock::now();
        selectTime += middle - start;
        updateTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["select_ms"] = selectTime.count() * 1000 / iterations;
    state.counters["ratio"] = updateTime / selectTime;
    state.counters["rows"] = static_cast<double>(pane.findChild<QTreeView*>(QStringLiteral("ListView1"))->model()->rowCount());
}

BENCHMARK(UpdateCharListAgainstSelect)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The list's statement with the sort's ORDER BY replaced by the plain sort of that column.
std::string plainlySorted(std::string sql, int column) {
    sql.erase(sql.find(" ORDER BY "));
    return sql + " ORDER BY " + ColumnSqlNames[static_cast<std::size_t>(column)] +
           " COLLATE NOCASE ASC;";
}

void SortedListAgainstPlainSort(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Catalogue& data = catalogue();
    const int column = state.range(0) == 0 ? kNameColumn : kUpdateDateColumn;
    const auto sorted =
        makeCharacterListQuery({shownColumns(data.settings().settings().ColumnOrder),
                                {},
                                {column, SortDirection::Ascending}});
    CharacterListQuery plain = sorted;
    plain.sql = plainlySorted(sorted.sql, column);
    std::chrono::duration<double> plainTime{0};
    std::chrono::duration<double> sortedTime{0};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(runSelectAlone(data.db(), plain));
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(runSelectAlone(data.db(), sorted));
        const auto end = Clock::now();
        plainTime += middle - start;
        sortedTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["plain_ms"] = plainTime.count() * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = sortedTime / plainTime;
}

BENCHMARK(SortedListAgainstPlainSort)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
