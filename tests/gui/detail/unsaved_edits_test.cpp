#include <QAction>
#include <QHeaderView>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include "core/catalogue/columns.h"
#include "gui/grid/portrait_grid_switch.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/list/character_list_pane.h"
#include "gui/list/search_bar.h"
#include "gui_support/right_pane_fixture.h"

namespace zorvik::test {
namespace {

const std::string kRyuQuestion = "Ryu の変更を保存しますか?";
const std::string kKenQuestion = "Ken の変更を保存しますか?";

// Three records, Ryu (ID 1), Ken (ID 2) and Saki (ID 3), each with the
// COMMENT "comment". The window starts with Ryu on show and no row selected.
class UnsavedEdits : public RightPaneFixture {
protected:
    void SetUp() override {
        addRecord({1, "Ryu", "リュウ", std::nullopt});
        addRecord({2, "Ken", "ケン", std::nullopt});
        addRecord({3, "Saki", "咲", std::nullopt});
    }

    int selectedListRow() const {
        const QModelIndexList rows = list()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.constFirst().row();
    }
    void clickRow(int row) const {
        const QRect cell = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void typeNote(const std::string& note) { setValue(gui::DetailGrid::kCommentRow, note); }
    std::string note() const { return value(gui::DetailGrid::kCommentRow); }
    using Questions = std::vector<std::string>;
    Questions questions() const { return messages.saveQuestions(); }
};

TEST_F(UnsavedEdits, AnotherRowAsksNamingTheCharacterAndCancelKeepsTheRowAndTheText) {
    open();
    selectRow(0);
    typeNote("a note");
    messages.queueSaveChoice(SaveChoice::Cancel);
    clickRow(1);
    EXPECT_EQ(questions(), Questions{kRyuQuestion});
    EXPECT_EQ(selectedListRow(), 0);
    EXPECT_EQ(list()->currentIndex().row(), 0);
    EXPECT_EQ(note(), "a note");

    // The keyboard is asked as the mouse is.
    messages.queueSaveChoice(SaveChoice::Cancel);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(questions().size(), 2u);
    EXPECT_EQ(list()->currentIndex().row(), 0);

    // Discard: Ken is loaded, Ryu's stored comment was never touched.
    messages.queueSaveChoice(SaveChoice::Discard);
    clickRow(1);
    EXPECT_EQ(selectedListRow(), 1);
    EXPECT_EQ(value(0), "Ken");
    EXPECT_EQ(note(), "comment");
    EXPECT_EQ(stored(1, kCommentColumn), "comment");

    // Save: Ken's note is written before Saki is loaded.
    typeNote("Ken's note");
    messages.queueSaveChoice(SaveChoice::Save);
    selectRow(2);
    EXPECT_EQ(questions().back(), kKenQuestion);
    EXPECT_EQ(stored(2, kCommentColumn), "Ken's note");
    EXPECT_EQ(value(0), "Saki");
}

TEST_F(UnsavedEdits, NothingIsAskedWithoutEditsNorWhenTheRecordOnShowIsSelectedAgain) {
    open();
    selectRow(0);
    setValue(0, "Ryu Jr.");
    setValue(0, "Ryu"); // typed back as it was
    selectRow(1);
    EXPECT_EQ(value(0), "Ken");

    typeNote("a note");
    form->UpdateCharList(); // no row is selected after a rebuild; Ken stays on show
    selectRow(1);
    EXPECT_EQ(note(), "a note");
    EXPECT_TRUE(questions().empty());
}

TEST_F(UnsavedEdits, ASearchOrASortAsksBeforeTheRowsGo) {
    open();
    selectRow(0);
    typeNote("a note");
    gui::SearchBar& search = *form->listPane().searchBar();
    find<QLineEdit>("Edit1")->setText(QStringLiteral("Ken"));
    messages.queueSaveChoice(SaveChoice::Cancel);
    search.Timer1Timer(); // the search's delay is over
    EXPECT_EQ(rowCaptions(), Texts({"Ryu", "Ken", "Saki"}));
    EXPECT_EQ(selectedListRow(), 0);

    messages.queueSaveChoice(SaveChoice::Cancel);
    list()->header()->sectionClicked(0);
    EXPECT_EQ(form->listPane().criteria().sort.column, -1);
    EXPECT_EQ(questions(), Questions({kRyuQuestion, kRyuQuestion}));

    messages.queueSaveChoice(SaveChoice::Save);
    search.Timer1Timer();
    EXPECT_EQ(rowCaptions(), Texts({"Ken"}));
    EXPECT_EQ(stored(1, kCommentColumn), "a note");
}

TEST_F(UnsavedEdits, TheGridAsksBeforeItSelectsAnotherPortrait) {
    openActive();
    selectRow(1);
    form->UpdateCharList(); // Ken on show, no row selected
    typeNote("a note");
    // Shown, the grid takes the keyboard and makes its first portrait current.
    messages.queueSaveChoice(SaveChoice::Cancel);
    find<QAction>("PortraitGrid1")->trigger();
    QListView* grid = form->portraitGrid().view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !questions().empty(); }));
    EXPECT_EQ(questions(), Questions{kKenQuestion});
    EXPECT_EQ(selectedListRow(), -1);
    EXPECT_EQ(note(), "a note");

    messages.queueSaveChoice(SaveChoice::Discard);
    QApplication::processEvents(); // the grid lays its cells out once on show
    const QPoint saki = grid->visualRect(grid->model()->index(2, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, saki);
    EXPECT_EQ(selectedListRow(), 2);
    EXPECT_EQ(value(0), "Saki");
    EXPECT_EQ(stored(2, kCommentColumn), "comment");

    // Cancelled, the grid goes back to the list's portrait.
    typeNote("Saki's note");
    messages.queueSaveChoice(SaveChoice::Cancel);
    const QPoint ryu = grid->visualRect(grid->model()->index(0, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ryu);
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->currentIndex().row() == 2; }));
    EXPECT_EQ(selectedListRow(), 2);
    EXPECT_EQ(grid->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(note(), "Saki's note");
}

TEST_F(UnsavedEdits, ClosingOrCtrlQAsksAndCancelKeepsTheWindowOpen) {
    openActive();
    typeNote("a note");
    messages.queueSaveChoice(SaveChoice::Cancel);
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(questions(), Questions{kRyuQuestion});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(note(), "a note");

    messages.queueSaveChoice(SaveChoice::Save);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(stored(1, kCommentColumn), "a note");
}

TEST_F(UnsavedEdits, AFailedSaveKeepsTheRowAndSaysWhy) {
    open();
    selectRow(0);
    typeNote(std::string(gui::DetailPane::kMaxValueBytes, 'x'));
    messages.queueSaveChoice(SaveChoice::Save);
    selectRow(1);
    EXPECT_EQ(messages.shown().back(), "文字数過多です");
    EXPECT_EQ(selectedListRow(), 0);
    EXPECT_EQ(stored(1, kCommentColumn), "comment");
}

// The list update, the collection check and the portraits' re-capture
// rebuild the list when they end: they ask before they start.
class UnsavedEditsBeforeAJob : public UnsavedEdits,
                               public ::testing::WithParamInterface<const char*> {};

TEST_P(UnsavedEditsBeforeAJob, CancelKeepsTheJobFromStarting) {
    writeSettings("[General]\nFirstRun=0\nMainDir=" + temp.makeFolder("chars") + "\n");
    open();
    QSignalSpy jobs(form->findChild<gui::DialogWorker*>(), &gui::DialogWorker::finished);
    typeNote("a note");
    messages.queueAnswer(true); // the re-capture's own question comes first
    messages.queueSaveChoice(SaveChoice::Cancel);
    find<QAction>(GetParam())->trigger();
    EXPECT_EQ(questions(), Questions{kRyuQuestion});
    EXPECT_EQ(jobs.count(), 0);
    EXPECT_EQ(note(), "a note");

    messages.queueAnswer(true);
    messages.queueSaveChoice(SaveChoice::Discard);
    find<QAction>(GetParam())->trigger();
    EXPECT_EQ(jobs.count(), 1);
    EXPECT_EQ(note(), "comment");
    EXPECT_EQ(stored(1, kCommentColumn), "comment");
}

INSTANTIATE_TEST_SUITE_P(Jobs, UnsavedEditsBeforeAJob,
                         ::testing::Values("N1", "Check1", "Recapture1"));

} // namespace
} // namespace zorvik::test
