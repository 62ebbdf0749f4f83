#include "gui/detail/detail_pane.h"

#include <QApplication>
#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "core/catalogue/columns.h"
#include "gui/grid/portrait_grid_switch.h"
#include "gui/window/status_bar.h"
#include "gui_support/right_pane_fixture.h"

namespace zorvik::test {
namespace {

using Model = gui::DetailGridModel;

// Two records, Ryu (ID 1) shown; the window gets the keys.
class DetailWriteBack : public RightPaneFixture {
protected:
    void SetUp() override {
        addRecord({1, "Ryu", "リュウ", std::nullopt});
        addRecord({2, "Ken", "ケン", std::nullopt});
        openActive();
    }

    QPushButton* button2() const { return find<QPushButton>("Button2"); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    bool inGrid(const QWidget* widget) const {
        return widget == &view() || view().isAncestorOf(widget);
    }

    // Puts the keyboard into the grid's value of row, its editor open.
    void focusValue(int row) {
        view().setCurrentIndex(view().model()->index(row, Model::kValueColumn));
        view().setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return inGrid(focused()) && focused() != &view(); }));
    }
};

TEST_F(DetailWriteBack, EachOfTheEightFieldsIsWrittenToItsOwnColumn) {
    // Distinct texts, so that two fields written to each other's columns fail.
    const std::vector<std::pair<int, std::string>> fields = {
        {kNameColumn, "name"},         {kName2Column, "name2"},
        {kAuthorColumn, "author"},     {kAiAuthorColumn, "ai author"},
        {kSpecial1Column, "special1"}, {kSpecial2Column, "special2"},
        {kSupportedVerColumn, "1.1"},  {kCommentColumn, "comment\ttext"}};
    for (std::size_t row = 0; row < fields.size(); ++row) {
        setValue(static_cast<int>(row), fields[row].second);
    }
    button2()->click();
    for (const auto& [column, text] : fields) {
        EXPECT_EQ(stored(1, column), text) << ColumnSqlNames[static_cast<std::size_t>(column)];
    }
    EXPECT_EQ(stored(1, kFileNameColumn), "Ryu.zip"); // not an editable field
    EXPECT_EQ(stored(2, kName2Column), "ケン");
}

TEST_F(DetailWriteBack, TabLeavesTheGridAtItsEndsInsteadOfWrappingAround) {
    const int lastRow = view().model()->rowCount() - 1;
    focusValue(lastRow);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), find<QCheckBox>("CheckBox1"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), button2()); // 上記内容で更新 is reached from the keyboard

    // Back into the grid, where the value in hand opens again.
    QTest::keyClick(focused(), Qt::Key_Backtab);
    QTest::keyClick(focused(), Qt::Key_Backtab);
    ASSERT_TRUE(QTest::qWaitFor([this] { return inGrid(focused()); }));
    EXPECT_EQ(view().currentIndex().row(), lastRow);

    focusValue(0);
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_FALSE(inGrid(focused()));
    EXPECT_EQ(view().currentIndex().row(), 0); // did not wrap to the last value

    // Between the ends Tab still moves from value to value.
    focusValue(3);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(view().currentIndex().row(), 4);
    EXPECT_TRUE(inGrid(focused()));
}

TEST_F(DetailWriteBack, TheShortcutWritesFromAnywhereInTheWindowAndTheCaptionStays) {
    EXPECT_EQ(button2()->text(), QStringLiteral("上記内容で更新"));
    EXPECT_TRUE(button2()->toolTip().contains(QStringLiteral("Ctrl+S")));
    focusValue(0);
    QTest::keyClick(focused(), Qt::Key_End); // the open editor has its text selected
    QTest::keyClicks(focused(), QStringLiteral(" Jr."));
    QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(stored(1, kNameColumn), "Ryu Jr.");
    EXPECT_TRUE(inGrid(focused())); // the cell keeps the keyboard

    setValue(0, "from the list");
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(stored(1, kNameColumn), "from the list");
    EXPECT_EQ(form->statusBar1().panelText(), QStringLiteral("更新されました。"));
}

TEST_F(DetailWriteBack, ALockedCatalogueFailsTheStepAndSaysWhy) {
    setValue(0, "not written");
    Kel_CharacterDb other(temp.file("db.sqlite3"));
    ASSERT_TRUE(executeBound(other.statements(), "BEGIN EXCLUSIVE", {}));
    button2()->click(); // waits out the connection's busy time first
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back(), "更新は失敗しました(step)：database is locked");
    ASSERT_TRUE(executeBound(other.statements(), "ROLLBACK", {}));
    EXPECT_EQ(stored(1, kNameColumn), "Ryu");
}

// Sixty records, Fighter 1 to Fighter 60, more than the list shows at once.
class WrittenRow : public RightPaneFixture {
protected:
    void SetUp() override {
        for (int id = 1; id <= 60; ++id) {
            addRecord({id, "Fighter " + std::to_string(id), "", std::nullopt});
        }
        open();
    }

    std::string cell(int row, int column) const {
        return list()->model()->index(row, column).data().toString().toStdString();
    }
};

TEST_F(WrittenRow, ShowsItsNewTextsAtOnceWhereItIsAndSoDoesTheGrid) {
    selectRow(40);
    const int scrolled = list()->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    QSignalSpy rebuilds(list()->model(), &QAbstractItemModel::modelReset);
    setValue(0, "Renamed");
    setValue(2, "new author");
    find<QPushButton>("Button2")->click();
    // The list shows NAME, NAME2, AUTHOR first.
    EXPECT_EQ(cell(40, 0), "Renamed");
    EXPECT_EQ(cell(40, 2), "new author");
    EXPECT_EQ(cell(39, 0), "Fighter 40");
    EXPECT_EQ(list()->selectionModel()->selectedRows().constFirst().row(), 40);
    EXPECT_EQ(list()->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(rebuilds.count(), 0);
    const QAbstractItemModel* grid = form->portraitGrid().view()->model();
    EXPECT_EQ(grid->index(40, 0).data().toString(), QStringLiteral("Renamed"));

    // Until the next rebuild, which reads every row again in the list's order.
    form->UpdateCharList();
    EXPECT_EQ(cell(40, 0), "Renamed");
}

TEST(DetailWriteBackMessage, NamesTheStepThatFailedBeforeSQLitesText) {
    using Stage = CatalogueStatus::Stage;
    EXPECT_EQ(gui::DetailPane::updateFailureMessage(
                  CatalogueStatus::failure(Stage::Finalize, "disk I/O error", "UPDATE")),
              "更新は失敗しました(finalize)：disk I/O error");
    EXPECT_EQ(gui::DetailPane::updateFailureMessage(
                  CatalogueStatus::failure(Stage::Run, "attempt to write a readonly database", "")),
              "更新は失敗しました(step)：attempt to write a readonly database");
}

} // namespace
} // namespace zorvik::test
