// Selecting a character in a catalogue of 20,000 with 120 x 140 portraits
// (palette PNGs, as the list update stores them). Each iteration loads one
// record into the right pane (LoadCharDetail: the record's fields, then
// LoadPortrait: the blob and its decode) and, in the same iteration, runs
// the same SELECT, the same incremental blob read and the same QImage
// decode bare; "ratio" is the pane's time over the bare time. Argument 1
// also counts the repaint of the pane that follows the load.
// WalkDownTheList presses the Down key 1,000 times in the character list,
// each press loading the new row into the pane and repainting both panes;
// "ms_per_row" is the time per press.
#include <chrono>
#include <filesystem>
#include <random>

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QTreeView>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/character_records.h"
#include "core/platform/file_io.h"
#include "core/sprite/png_encoder.h"
#include "core/sprite/sff_ex.h"
#include "gui/app/settings_owner.h"
#include "gui/detail/detail_pane.h"
#include "gui/list/character_list_pane.h"
#include "gui/platform/file_dialogs.h"
#include "gui/window/right_pane.h"
#include "gui/window/status_bar.h"
#include "support/pcx_writer.h"
#include "support/recording_messages.h"
#include "support/sff_writer.h"

namespace {

using namespace zorvik;
using Clock = std::chrono::steady_clock;

constexpr int kRows = 20000;
constexpr int kWalkedRows = 1000;

// The portrait as the list update stores it: the sprite of an SFF file, as a palette PNG.
std::string capturedPortrait(const std::filesystem::path& folder) {
    test::SffFile file;
    file.subfiles.push_back(
        test::SffSubfile::sprite(9000, 1, test::portraitPicture(120, 140).pcx()));
    const std::string path = (folder / "portrait.sff").string();
    platform::writeFileAtomically(path, file.bytes());
    KelSFFEx sff;
    sff.LoadFile(path);
    BitmapInfo info;
    const auto pixels = sff.GetSprite(9000, 1, info);
    const auto png = sprite::encodePalettePng(info, *pixels);
    return std::string(png->begin(), png->end());
}

// The generated catalogue and the two panes over it, made once for the whole run.
class Catalogue {
public:
    Catalogue() : folder_(std::filesystem::temp_directory_path() / "zorvik_detail_bench") {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        db_ = std::make_unique<Kel_CharacterDb>((folder_ / "db.sqlite3").string());
        fill(capturedPortrait(folder_));
        AppSettings settings;
        settings.ColumnNames = columnNamesFromLines(nullptr);
        applyDefaultColumnOrder(settings.ColumnOrder);
        settings.TempDir = folder_.string() + "/";
        settings_.store(settings);
        buildWindow();
    }
    ~Catalogue() {
        window_.reset();
        db_.reset();
        std::filesystem::remove_all(folder_);
    }

    Kel_CharacterDb& db() { return *db_; }
    gui::CharacterListPane& list() { return *list_; }
    gui::DetailPane& detail() { return *right_->detailPane(); }
    QTreeView& listView() { return *list_->findChild<QTreeView*>(QStringLiteral("ListView1")); }

private:
    void fill(const std::string& portrait) {
        executeBound(db_->statements(), "BEGIN;", {});
        for (int row = 1; row <= kRows; ++row) {
            const std::string name = "character " + std::to_string(row);
            executeBound(db_->statements(),
                         "INSERT INTO CHARACTER_TABLE(ID, NAME, NAME2, AUTHOR, SUPPORTED_VER, "
                         "UPDATE_DATE, COMMENT, FILENAME, FILETYPE, PATH_ID, DELETED, IMAGE) "
                         "VALUES(?, ?, 'キャラクター', 'author', '1.0', '2012-03-03', "
                         "'お気に入り', ?, 0, 1, 0, ?)",
                         {BoundValue::ofInt(row), BoundValue::ofText(name),
                          BoundValue::ofText(name + ".zip"), BoundValue::ofBlob(portrait)});
        }
        executeBound(db_->statements(), "COMMIT;", {});
    }

    void buildWindow() {
        window_ = std::make_unique<QWidget>();
        statusBar_ = new gui::StatusBar(window_.get());
        right_ = new gui::RightPane(*db_, settings_, messages_, choosers_, *statusBar_,
                                    window_.get());
        list_ = new gui::CharacterListPane(*db_, settings_, messages_, window_.get());
        right_->followList(*list_);
        auto* layout = new QHBoxLayout(window_.get());
        layout->addWidget(list_, 1);
        layout->addWidget(right_);
        right_->setFixedWidth(411);
        right_->detailPane()->BuildDetailLabels();
        right_->detailPane()->setUpGrid();
        window_->resize(760, 560);
        window_->show();
        list_->UpdateCharList();
        QApplication::processEvents();
    }

    std::filesystem::path folder_;
    std::unique_ptr<Kel_CharacterDb> db_;
    gui::SettingsOwner settings_;
    test::RecordingMessages messages_;
    gui::FileDialogs choosers_;
    std::unique_ptr<QWidget> window_;
    gui::StatusBar* statusBar_ = nullptr;
    gui::RightPane* right_ = nullptr;
    gui::CharacterListPane* list_ = nullptr;
};

Catalogue& catalogue() {
    static Catalogue instance;
    return instance;
}

// The record's SELECT, the blob read and the decode, with nothing around them.
qsizetype loadBare(Kel_CharacterDb& db, std::int64_t id) {
    std::size_t bytes = 0;
    Statement statement(db.statements(), CharacterRecords::kDetailSql);
    statement.bindInt(1, id);
    while (statement.step() == SQLITE_ROW) {
        for (int column = 0; column < 15; ++column) {
            bytes += statement.textAt(column).size();
        }
    }
    sqlite3_blob* blob = nullptr;
    sqlite3_blob_open(sqlite3_db_handle(statement.handle()), "main", "CHARACTER_TABLE", "IMAGE", id,
                      0, &blob);
    std::vector<std::uint8_t> image(static_cast<std::size_t>(sqlite3_blob_bytes(blob)));
    sqlite3_blob_read(blob, image.data(), static_cast<int>(image.size()), 0);
    sqlite3_blob_close(blob);
    const QImage decoded = QImage::fromData(image.data(), static_cast<int>(image.size()));
    return decoded.width() + static_cast<qsizetype>(bytes);
}

void SelectARowAgainstBareReads(benchmark::State& state) {
    Catalogue& data = catalogue();
    const bool withRepaint = state.range(0) == 1;
    std::mt19937 random(11);
    std::chrono::duration<double> bareTime{0};
    std::chrono::duration<double> paneTime{0};
    for (auto _ : state) {
        const std::int64_t id = 1 + static_cast<std::int64_t>(random() % kRows);
        const auto start = Clock::now();
        benchmark::DoNotOptimize(loadBare(data.db(), id));
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(data.detail().LoadCharDetail(id));
        if (withRepaint) {
            QApplication::processEvents();
        }
        const auto end = Clock::now();
        bareTime += middle - start;
        paneTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["bare_us"] = bareTime.count() * 1e6 / static_cast<double>(state.iterations());
    state.counters["ratio"] = paneTime / bareTime;
}

BENCHMARK(SelectARowAgainstBareReads)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void pressDown(QTreeView& view) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&view, &press);
    QApplication::sendEvent(&view, &release);
    QApplication::processEvents();
}

void WalkDownTheList(benchmark::State& state) {
    Catalogue& data = catalogue();
    QTreeView& view = data.listView();
    std::chrono::duration<double, std::milli> walkTime{0};
    for (auto _ : state) {
        view.setCurrentIndex(view.model()->index(0, 0));
        view.scrollToTop();
        QApplication::processEvents();
        const auto start = Clock::now();
        for (int row = 0; row < kWalkedRows; ++row) {
            pressDown(view);
        }
        const auto end = Clock::now();
        walkTime += end - start;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["ms_per_row"] =
        walkTime.count() / static_cast<double>(state.iterations() * kWalkedRows);
    state.counters["last_row"] = data.list().selectedRow();
}

BENCHMARK(WalkDownTheList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
