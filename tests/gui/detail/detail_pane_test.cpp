#include "gui/detail/detail_pane.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/catalogue/columns.h"
#include "gui/window/status_bar.h"
#include "gui_support/right_pane_fixture.h"

namespace zorvik::test {
namespace {

using Model = gui::DetailGridModel;

// Three records: Ryu (ID 1, NAME2 NULL), Ken (ID 2), Saki (ID 3).
class DetailPane : public RightPaneFixture {
protected:
    void SetUp() override {
        addRecord({1, "Ryu", std::nullopt, std::nullopt});
        addRecord({2, "Ken", "ケン", std::nullopt});
        addRecord({3, "Saki", "咲", std::nullopt});
        open();
        loads = std::make_unique<QSignalSpy>(&grid(), &QAbstractItemModel::dataChanged);
    }

    void pressButton2() { find<QPushButton>("Button2")->click(); }
    void showDetailedView() { find<QCheckBox>("CheckBox1")->click(); }
    std::string lastMessage() const { return messages.shown().back(); }

    std::unique_ptr<QSignalSpy> loads;
};

TEST_F(DetailPane, StartShowsTheFirstRowUnderTheColumnNamesInTheBasicView) {
    EXPECT_EQ(value(0), "Ryu");
    EXPECT_EQ(value(8), "Ryu.zip");
    EXPECT_EQ(value(10), "1");
    const Model::Texts& labels = grid().DetailLabels();
    EXPECT_EQ(labels[0], "NAME");
    EXPECT_EQ(labels[7], "COMMENT");
    EXPECT_EQ(labels[8], "ファイル名");
    EXPECT_EQ(labels[9], "UPDATE_DATE");
    EXPECT_EQ(labels[10], "ID");
    EXPECT_EQ(labels[14], "DELETED");
    EXPECT_EQ(labels[15], "");
    EXPECT_EQ(grid().rowCount(), Model::kBasicRowCount);
    EXPECT_EQ(view().rowHeight(gui::DetailGrid::kCommentRow), 96);
    EXPECT_EQ(find<QCheckBox>("CheckBox1")->text().toStdString(), "詳細表示する");
    EXPECT_EQ(find<QPushButton>("Button2")->text().toStdString(), "上記内容で更新");
}

TEST_F(DetailPane, ANullName2ShowsAnEmptyRowNotThePreviousRecordsText) {
    selectRow(1);
    EXPECT_EQ(value(1), "ケン");
    selectRow(0);
    EXPECT_EQ(value(1), "");
}

TEST_F(DetailPane, MovingTheSelectionLoadsTheNewRowOnceAndDeselectingKeepsTheRecordOnShow) {
    selectRow(1);
    EXPECT_EQ(loads->count(), 1);
    EXPECT_EQ(value(0), "Ken");

    execute("UPDATE CHARACTER_TABLE SET NAME='Ken changed' WHERE ID=2");
    // A click beside the rows, and a deselection of the row itself.
    const QRect lastRow = list()->visualRect(list()->model()->index(2, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, lastRow.bottomLeft() + QPoint(5, 40));
    list()->selectionModel()->clearSelection();
    EXPECT_EQ(loads->count(), 1);
    EXPECT_EQ(value(0), "Ken");
}

TEST_F(DetailPane, AfterARebuildTheRowWithTheSameIndexLoadsAgain) {
    selectRow(0);
    execute("UPDATE CHARACTER_TABLE SET NAME='Ryu changed' WHERE ID=1");
    form->UpdateCharList();
    selectRow(0);
    EXPECT_EQ(value(0), "Ryu changed");
}

TEST_F(DetailPane, TheArrowKeysInTheListLoadEachRow) {
    openActive();
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(value(0), "Ken");
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(value(0), "Saki");
    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(value(0), "Ken");
}

TEST_F(DetailPane, TextTypedInACellIsWrittenByButton2WithoutLeavingTheCell) {
    openActive();
    gui::DetailGrid& grid = view();
    const QModelIndex name = grid.model()->index(0, Model::kValueColumn);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(name).center());
    ASSERT_TRUE(
        QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    EXPECT_EQ(editor->palette().color(QPalette::Base), QColor(Qt::white)); // row 0's stripe
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral(" Jr."));
    EXPECT_EQ(value(0), "Ryu Jr."); // each keystroke reaches the values
    pressButton2();                 // the click does not take the focus from the cell
    EXPECT_EQ(stored(1, kNameColumn), "Ryu Jr.");
    EXPECT_EQ(form->statusBar1().panelText().toStdString(), "更新されました。");
    EXPECT_TRUE(form->statusBar1().blinkTimer()->isActive());

    // Tab goes on to the next value, past the fixed label column, in the next row's stripe.
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(1, Model::kValueColumn));
    ASSERT_TRUE(
        QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
    EXPECT_EQ(
        qobject_cast<QLineEdit*>(QApplication::focusWidget())->palette().color(QPalette::Base),
        QColor(224, 255, 255));
}

TEST_F(DetailPane, AllTwentyValuesMayHold3500BytesTogetherButNotOneMore) {
    showDetailedView();
    setValue(15, std::string(3 * 300, 'x'));
    std::string kana;
    for (int i = 0; i < 300; ++i) {
        kana += "あ"; // three bytes each
    }
    setValue(16, kana);
    setValue(0, "Ryu at the limit");
    std::size_t used = 0;
    for (const std::string& text : grid().DetailValues()) {
        used += text.size();
    }
    ASSERT_LT(used, 3500u);
    setValue(19, std::string(3500 - used, 'y'));
    pressButton2();
    EXPECT_EQ(stored(1, kNameColumn), "Ryu at the limit");

    setValue(0, "Ryu past the limit"); // two bytes more, one less in row 19
    setValue(19, value(19).substr(1));
    pressButton2();
    EXPECT_EQ(lastMessage(), "文字数過多です");
    EXPECT_EQ(stored(1, kNameColumn), "Ryu at the limit");
}

TEST_F(DetailPane, QuotesAreStoredAsTypedAndNoOtherRecordChanges) {
    setValue(0, "O'Brien'; DROP TABLE CHARACTER_TABLE; --");
    setValue(2, "x' WHERE 1=1 OR '");
    setValue(7, "it's");
    pressButton2();
    EXPECT_EQ(stored(1, kNameColumn), "O'Brien'; DROP TABLE CHARACTER_TABLE; --");
    EXPECT_EQ(stored(1, kAuthorColumn), "x' WHERE 1=1 OR '");
    EXPECT_EQ(stored(1, kCommentColumn), "it's");
    EXPECT_EQ(stored(2, kNameColumn), "Ken");
    EXPECT_EQ(stored(2, kAuthorColumn), "author of Ken");
    EXPECT_EQ(stored(3, kCommentColumn), "comment");
}

TEST_F(DetailPane, Row10NamesTheRecordWrittenAndMustBeAPlainNumber) {
    showDetailedView();
    setValue(0, "written to Saki");
    setValue(10, "3");
    pressButton2();
    EXPECT_EQ(stored(3, kNameColumn), "written to Saki");
    EXPECT_EQ(stored(1, kNameColumn), "Ryu");

    form->statusBar1().setPanelText(QStringLiteral("before"));
    setValue(10, "99"); // no such record: nothing to write, and not a failure
    pressButton2();
    EXPECT_EQ(form->statusBar1().panelText().toStdString(), "更新されました。");

    for (const char* idText : {"1 OR 1=1", "", "1;", " 1", "0x1"}) {
        setValue(0, "widened");
        setValue(10, idText);
        pressButton2();
        EXPECT_EQ(lastMessage().rfind("更新は失敗しました(prepare)：", 0), 0u) << idText;
    }
    EXPECT_EQ(messages.shown().size(), 6u); // one per refused text, after the first-run text
    for (const std::int64_t id : {1, 2, 3}) {
        EXPECT_NE(stored(id, kNameColumn), "widened");
    }
}

TEST_F(DetailPane, TheDetailedViewAddsDefaultHeightRowsAndKeepsValuesWhenSwitchedBack) {
    showDetailedView();
    EXPECT_EQ(grid().rowCount(), Model::kRowCount);
    EXPECT_EQ(view().rowHeight(12), gui::DetailGrid::kDefaultRowHeight);
    setValue(12, "typed in row 12");
    showDetailedView();
    EXPECT_EQ(grid().rowCount(), Model::kBasicRowCount);
    showDetailedView();
    EXPECT_EQ(value(12), "typed in row 12");
    EXPECT_EQ(view().rowHeight(gui::DetailGrid::kCommentRow), 96);
}

TEST_F(DetailPane, NewColumnNamesRenameTheLabelsBeforeTheListIsRebuilt) {
    std::string labelWhenListRebuilt;
    QObject::connect(list()->model(), &QAbstractItemModel::modelReset,
                     [&] { labelWhenListRebuilt = grid().DetailLabels()[0]; });
    AppSettings changed = form->settings().settings();
    changed.ColumnNames[kNameColumn] = "名前";
    changed.ColumnNames[kFileNameColumn] = "file";
    form->settings().store(changed);
    EXPECT_EQ(grid().DetailLabels()[0], "名前");
    EXPECT_EQ(grid().DetailLabels()[8], "ファイル名");
    EXPECT_EQ(labelWhenListRebuilt, "名前");
}

TEST_F(DetailPane, ARecordThatIsGoneOrCannotBeReadLeavesTheValuesAsTheyWere) {
    EXPECT_FALSE(detail().LoadCharDetail(42));
    EXPECT_EQ(value(0), "Ryu");
    EXPECT_FALSE(img().HasImage());
    EXPECT_EQ(messages.shown().size(), 1u); // the first-run text only

    // Another program drops the table: this connection learns it while reading.
    execute("DROP TABLE CHARACTER_TABLE");
    EXPECT_FALSE(detail().LoadCharDetail(1));
    EXPECT_EQ(lastMessage(), "データ取得途中でエラーが発生しました");
    EXPECT_FALSE(detail().LoadCharDetail(1));
    EXPECT_EQ(lastMessage(), "SELECT文の処理に失敗しました\n");
    EXPECT_EQ(value(0), "Ryu");
}

} // namespace
} // namespace zorvik::test
