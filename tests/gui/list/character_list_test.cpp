#include "gui/list/character_list_pane.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QGuiApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "core/catalogue/character_list_query.h"
#include "gui/list/character_list_model.h"
#include "gui/list/find_box.h"
#include "gui/list/search_bar.h"
#include "gui/window/status_bar.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

// A window over a few characters, with the model checked on every change.
class CharacterList : public MainWindowFixture {
protected:
    void SetUp() override {
        addCharacter("Ryu", "b author", "リュウ");
        addCharacter("Ken", "c author", "ケン");
        addCharacter("Saki \"the quote\"", "a author", "咲");
        addCharacter("NAME", "d author", "");
        open();
        tester = std::make_unique<QAbstractItemModelTester>(
            list()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        rebuilds = std::make_unique<QSignalSpy>(list()->model(), &QAbstractItemModel::modelReset);
    }

    void clickHeader(int section) {
        QHeaderView* header = list()->header();
        const QPoint point(header->sectionViewportPosition(section) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
    }

    void search(const std::string& text, const char* modeItem = "N5") {
        find<QAction>(modeItem)->trigger();
        find<QLineEdit>("Edit1")->setText(QString::fromStdString(text));
        find<gui::SearchBar>("Panel2")->Timer1Timer();
    }

    std::unique_ptr<QAbstractItemModelTester> tester;
    std::unique_ptr<QSignalSpy> rebuilds;
};

TEST_F(CharacterList, HeaderClicksCycleAscendingDescendingOff) {
    const Texts inserted = {"Ryu", "Ken", "Saki \"the quote\"", "NAME"};
    EXPECT_EQ(rowCaptions(), inserted);
    clickHeader(2); // AUTHOR
    EXPECT_EQ(rowCaptions(), Texts({"Saki \"the quote\"", "Ryu", "Ken", "NAME"}));
    clickHeader(2);
    EXPECT_EQ(rowCaptions(), Texts({"NAME", "Ken", "Ryu", "Saki \"the quote\""}));
    clickHeader(0); // another column always starts ascending
    EXPECT_EQ(rowCaptions(), Texts({"Ken", "NAME", "Ryu", "Saki \"the quote\""}));
    clickHeader(0);
    clickHeader(0);
    EXPECT_EQ(rowCaptions(), inserted);
    EXPECT_EQ(rebuilds->count(), 5);
}

TEST_F(CharacterList, TheSortedHeaderCarriesTheSortArrowAndASearchSaysHowManyItFound) {
    QHeaderView* header = list()->header();
    EXPECT_FALSE(header->isSortIndicatorShown());
    clickHeader(2);
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(2);
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeader(0); // the arrow moves with the sort
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(0);
    clickHeader(0);
    EXPECT_FALSE(header->isSortIndicatorShown());

    search("a");
    EXPECT_EQ(rowCaptions().size(), 2u);
    EXPECT_EQ(form->statusBar1().panelText(), QStringLiteral("検索結果 : 2件"));
    search("no such character");
    EXPECT_EQ(form->statusBar1().panelText(), QStringLiteral("検索結果 : 0件"));
    search(""); // the end of a search says so too
    EXPECT_EQ(form->statusBar1().panelText(), QStringLiteral("検索結果 : 4件"));
    form->statusBar1().setPanelText(QString());
    search("", "N2"); // another mode with nothing typed is no search
    EXPECT_TRUE(form->statusBar1().panelText().isEmpty());
}

// The list's criteria are what the roster export and the grid are handed.
TEST_F(CharacterList, TheCriteriaFollowTheHeaderAndTheSearchBarAsTypedValues) {
    const ListCriteria& criteria = form->listPane().criteria();
    EXPECT_EQ(criteria.shownColumns, shownColumns(form->settings().settings().ColumnOrder));
    EXPECT_EQ(criteria.sort, ListSort{});
    clickHeader(2);
    EXPECT_EQ(criteria.sort, (ListSort{kAuthorColumn, SortDirection::Ascending}));
    clickHeader(2);
    EXPECT_EQ(criteria.sort, (ListSort{kAuthorColumn, SortDirection::Descending}));
    clickHeader(2);
    EXPECT_EQ(criteria.sort.column, -1);
    clickHeader(0);
    EXPECT_EQ(criteria.sort, (ListSort{kNameColumn, SortDirection::Ascending}));

    find<QComboBox>("ComboBox1")->setCurrentIndex(kName2Column);
    search("O'K_n; --", "N4");
    EXPECT_EQ(criteria.search, (ListSearch{kName2Column, MatchMode::EndsWith, "O'K_n; --"}));
    EXPECT_TRUE(rowCaptions().empty());
    search("");
    EXPECT_EQ(criteria.search, (ListSearch{kName2Column, MatchMode::Contains, ""}));
    EXPECT_EQ(rowCaptions(), Texts({"Ken", "NAME", "Ryu", "Saki \"the quote\""}));
}

TEST_F(CharacterList, TypingWithinASecondGivesOneSearchForTheWholeText) {
    auto* edit = find<QLineEdit>("Edit1");
    auto* timer1 = find<QTimer>("Timer1");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_R);
    ASSERT_TRUE(timer1->isActive());
    const int firstTimer = timer1->timerId();
    QTest::qWait(300);
    QTest::keyClick(edit, Qt::Key_Y);
    EXPECT_EQ(timer1->timerId(), firstTimer); // not restarted by the second key
    EXPECT_EQ(rebuilds->count(), 0);
    ASSERT_TRUE(rebuilds->wait(2000));
    QTest::qWait(100);
    EXPECT_EQ(rebuilds->count(), 1);
    EXPECT_FALSE(timer1->isActive());
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"}));
}

TEST_F(CharacterList, SearchTextsAreMatchedAsTyped) {
    find<QComboBox>("ComboBox1")->setCurrentIndex(2); // NAME2
    search("リュ");
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"}));
    find<QComboBox>("ComboBox1")->setCurrentIndex(1); // NAME
    search("\"the");
    EXPECT_EQ(rowCaptions(), Texts({"Saki \"the quote\""}));
    search("NAME", "N2");
    EXPECT_EQ(rowCaptions(), Texts({"NAME"}));
    search("K_n", "N2"); // LIKE's wildcards keep their meaning
    EXPECT_EQ(rowCaptions(), Texts({"Ken"}));
    search("r", "N3");
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"}));
    search("e", "N4");
    EXPECT_EQ(rowCaptions(), Texts({"NAME"}));
    EXPECT_EQ(messages.shown().size(), 1u); // the first-run text only: no statement failed
}

TEST_F(CharacterList, ModeAndColumnChangesApplyAtOnceButTheActiveModeDoesNothing) {
    auto* speedButton = find<QToolButton>("SpeedButton1");
    find<QAction>("N5")->trigger();
    EXPECT_EQ(rebuilds->count(), 0);
    find<QAction>("N3")->trigger();
    EXPECT_EQ(rebuilds->count(), 1);
    EXPECT_EQ(speedButton->text().toStdString(), "で始まる");
    auto* combo = find<QComboBox>("ComboBox1");
    combo->activated(3);
    EXPECT_EQ(rebuilds->count(), 2);

    speedButton->click();
    auto* popup = find<QMenu>("PopupMenu2");
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->pos(), speedButton->mapToGlobal(speedButton->rect().bottomLeft()));
    popup->close();
}

TEST_F(CharacterList, TheClearMarkEmptiesTheSearchAndShowsEveryRowAtOnce) {
    auto* box = find<gui::FindBox>("FindTB");
    const QPoint mark(box->width() - 5, box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, mark);
    EXPECT_EQ(rebuilds->count(), 0); // nothing to clear

    search("Ken");
    ASSERT_EQ(rowCaptions().size(), 1);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, 5));
    EXPECT_EQ(find<QLineEdit>("Edit1")->text().toStdString(), "Ken"); // not on the mark
    QTest::mouseClick(box, Qt::LeftButton, {}, mark);
    EXPECT_TRUE(find<QLineEdit>("Edit1")->text().isEmpty());
    EXPECT_EQ(rowCaptions().size(), 4);
}

TEST_F(CharacterList, AFailedQueryLeavesTheColumnsWithoutRowsAndSaysWhy) {
    ASSERT_TRUE(form->characterDb().DropCharacterTable());
    form->UpdateCharList();
    EXPECT_EQ(form->listPane().CharListResult(), nullptr);
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_EQ(list()->model()->columnCount(), 9);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().rfind("SELECT文の処理に失敗", 0), 0u);
}

TEST_F(CharacterList, ResultRowsCarryTheirIdsInColumnZero) {
    const Kel_QueryResult* result = form->listPane().CharListResult();
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->rowCount(), 4u);
    EXPECT_EQ(result->integerAt(0, 0), 1);
    EXPECT_EQ(result->integerAt(0, 3), 4);
    EXPECT_EQ(list()->currentIndex().row(), -1); // the first show's rebuild drops the selection
}

TEST_F(CharacterList, RowsMarkedMissingAreGreyedWithATipAndTheRestAreNot) {
    insertRow("UPDATE CHARACTER_TABLE SET DELETED=2 WHERE NAME=?", {BoundValue::ofText("Ken")});
    form->UpdateCharList();
    ASSERT_EQ(rowCaptions(), Texts({"Ryu", "Ken", "Saki \"the quote\"", "NAME"}));
    const QAbstractItemModel* model = list()->model();
    const QColor grey = QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
    ASSERT_NE(grey, QGuiApplication::palette().color(QPalette::Active, QPalette::Text));
    for (int column = 0; column < model->columnCount(); ++column) {
        const QModelIndex ken = model->index(1, column);
        EXPECT_EQ(ken.data(Qt::ForegroundRole).value<QBrush>().color(), grey);
        EXPECT_EQ(ken.data(Qt::ToolTipRole).toString(),
                  QStringLiteral("このキャラクターのフォルダまたはファイルはキャラクターフォルダから"
                                 "無くなっています"));
        EXPECT_EQ(ken.data(Qt::AccessibleDescriptionRole), ken.data(Qt::ToolTipRole));
        EXPECT_FALSE(model->index(0, column).data(Qt::ForegroundRole).isValid());
        EXPECT_FALSE(model->index(0, column).data(Qt::ToolTipRole).isValid());
    }
    // The state is not a column of its own.
    EXPECT_EQ(model->columnCount(), 9);
    EXPECT_EQ(model->index(1, 8).data().toString(), QString()); // UPDATE_DATE, not DELETED
}

// A header click sorts version dates by date (oldest first, what is no date
// last) and names with their numbers by value; the texts stay as written.
TEST_F(CharacterList, DatesSortByDateAndNamesWithNumbersByValue) {
    for (const auto& [name, date] : std::vector<std::pair<const char*, const char*>>{
             {"whip_10", "12,31,1999"}, {"whip_2", "beta"}, {"Whip_1", "01,02,2003"}}) {
        insertRow("INSERT INTO CHARACTER_TABLE(NAME, UPDATE_DATE, DELETED) VALUES(?, ?, 0)",
                  {BoundValue::ofText(name), BoundValue::ofText(date)});
    }
    const auto dates = [this] {
        Texts texts;
        for (int row = 0; row < list()->model()->rowCount(); ++row) {
            texts.push_back(list()->model()->index(row, 8).data().toString().toStdString());
        }
        return texts;
    };
    form->UpdateCharList();
    clickHeader(8); // UPDATE_DATE
    EXPECT_EQ(dates(), Texts({"12,31,1999", "01,02,2003", "", "", "", "", "beta"}));
    clickHeader(8);
    EXPECT_EQ(dates(), Texts({"01,02,2003", "12,31,1999", "beta", "", "", "", ""}));
    search("hip");
    clickHeader(0); // NAME
    EXPECT_EQ(rowCaptions(), Texts({"Whip_1", "whip_2", "whip_10"}));
}

// Columns fill a wider list in proportion to their widths. A width the user
// drags stays, through rebuilds and to the next start, and so does the sort.
TEST_F(CharacterList, ColumnsShareTheFreeWidthAndTheUsersWidthsAndSortOutlastARestart) {
    form->resize(1600, 500);
    QCoreApplication::processEvents();
    QHeaderView* header = list()->header();
    ASSERT_GT(list()->viewport()->width(), 1000); // wider than the columns at their own widths
    EXPECT_EQ(header->length(), list()->viewport()->width());
    // NAME is designed 130 wide, AUTHOR 90: they share the free width as 130 to 90.
    EXPECT_NEAR(header->sectionSize(0) * 90.0 / header->sectionSize(2), 130.0, 1.0);

    header->resizeSection(0, 300); // as a drag of its edge does
    const int authorWidth = header->sectionSize(2);
    clickHeader(2);
    clickHeader(2); // AUTHOR descending
    EXPECT_EQ(header->sectionSize(0), 300);
    form->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(0), 300); // narrower, the list scrolls instead
    form->close();
    EXPECT_NE(settingsText().find("SortColumn=3\r\nSortDirection=DESC\r\n"), std::string::npos);
    EXPECT_NE(settingsText().find("[ColumnWidth]\r\nID=0\r\nNAME=300\r\n"), std::string::npos);

    open();
    header = list()->header();
    EXPECT_EQ(header->sectionSize(0), 300);
    EXPECT_EQ(header->sectionSize(2), authorWidth);
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(rowCaptions(), Texts({"NAME", "Ken", "Ryu", "Saki \"the quote\""}));
}

TEST_F(CharacterList, PanesRefreshThemselvesWhenTheSettingsChange) {
    AppSettings changed = form->settings().settings();
    changed.ColumnOrder = {kAuthorColumn, kNameColumn, kColumnOrderSeparator, 2, 4, 5, 6,
                           7,             8,           9,                     10, 11, 12,
                           13,            14,          15,                    0};
    changed.ColumnNames[kAuthorColumn] = "作者";
    changed.BattleParamB = "-p2";
    const int rebuildsBefore = rebuilds->count();
    form->settings().store(changed);
    EXPECT_EQ(rebuilds->count(), rebuildsBefore + 1);
    EXPECT_EQ(headerCaptions(), Texts({"作者", "NAME"}));
    EXPECT_EQ(rowCaptions(), Texts({"b author", "c author", "a author", "d author"}));
    EXPECT_EQ(find<QToolButton>("ToolButton4")->toolTip(), QStringLiteral("-p2"));
    // The search column keeps the names it had until the next start.
    EXPECT_EQ(find<QComboBox>("ComboBox1")->itemText(kAuthorColumn), QStringLiteral("AUTHOR"));
}

} // namespace
} // namespace zorvik::test
