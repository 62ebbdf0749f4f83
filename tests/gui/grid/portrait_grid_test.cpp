#include "gui/grid/portrait_grid_switch.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QListView>
#include <QStackedWidget>

#include "gui/grid/portrait_loader.h"
#include "gui/list/character_list_model.h"
#include "gui/list/character_list_pane.h"
#include "gui/window/status_bar.h"
#include "gui_support/right_pane_fixture.h"

namespace zorvik::test {
namespace {

class PortraitGrid : public RightPaneFixture {
protected:
    // Rows 1..6 in registration order, a real-looking mix of letter cases and scripts.
    void addCollection() {
        const std::vector<std::pair<std::string, std::string>> rows = {
            {"Ryu", "Capcom"}, {"ahuron", "zeta"},  {"Akuma", "Capcom"},
            {"ken", "alpha"},  {"リュウ", "Beta"}, {"Kyo", "snk"}};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            addRecord({static_cast<std::int64_t>(i + 1), rows[i].first, rows[i].second,
                       encodedImage(100, 120, "PNG", Qt::blue)});
        }
    }

    gui::PortraitGridSwitch& gridSwitch() const { return form->portraitGrid(); }
    QListView& grid() const { return *gridSwitch().view(); }
    gui::CharacterListPane& listPane() const { return form->listPane(); }

    Texts gridNames() const {
        Texts names;
        const QAbstractItemModel* model = grid().model();
        for (int row = 0; row < model->rowCount(); ++row) {
            names.push_back(model->index(row, 0).data().toString().toStdString());
        }
        return names;
    }
    Texts listNames() const {
        Texts names;
        const QAbstractItemModel* model = list()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            names.push_back(model->index(row, 0)
                                .data(gui::CharacterListModel::kNameRole)
                                .toString()
                                .toStdString());
        }
        return names;
    }
    bool gridOnShow() const {
        return find<QStackedWidget>("ListStack")->currentWidget() == &grid();
    }
    std::string gridCurrentName() const {
        return grid().currentIndex().data().toString().toStdString();
    }

    // The grid as drawn once every portrait it asked for has been decoded.
    QImage drawnGrid() {
        grid().viewport()->grab();
        gridSwitch().loader().finishAll();
        return grid().viewport()->grab().toImage();
    }
    // Where the grid's picture box of a row is.
    QRect pictureBox(int row) const {
        const QRect cell = grid().visualRect(grid().model()->index(row, 0)).adjusted(4, 4, -4, -4);
        return {cell.x() + (cell.width() - 128) / 2, cell.y(), 128, 160};
    }
};

TEST_F(PortraitGrid, ShowsTheListsRowsInTheListsOrderForEveryMatchModeAndSort) {
    addCollection();
    open();
    gridSwitch().showGrid(true);
    const std::vector<ListSearch> searches = {{kNameColumn, MatchMode::Exact, "KEN"},
                                              {kNameColumn, MatchMode::BeginsWith, "k"},
                                              {kAuthorColumn, MatchMode::EndsWith, "a"},
                                              {kNameColumn, MatchMode::Contains, "u"},
                                              {kNameColumn, MatchMode::Contains, ""}};
    for (const ListSearch& search : searches) {
        listPane().applySearch(search);
        // Unsorted, then NAME up, NAME down, off, then AUTHOR up.
        for (const int click : {-1, 0, 0, 0, 2}) {
            if (click >= 0) {
                listPane().ListView1ColumnClick(click);
            }
            EXPECT_EQ(gridNames(), listNames()) << search.text << " " << click;
        }
    }
    listPane().applySearch({kNameColumn, MatchMode::Contains, ""});
    listPane().ListView1ColumnClick(0);
    EXPECT_EQ(gridNames(), (Texts{"ahuron", "Akuma", "ken", "Kyo", "Ryu", "リュウ"}));
}

TEST_F(PortraitGrid, NamesEveryRowEvenWhenTheListDoesNotShowName) {
    addCollection();
    writeSettings("[ColumnOrder]\n0=2\n1=-1\n2=1\n3=2\n4=4\n5=5\n6=6\n7=7\n8=8\n9=9\n10=10\n"
                  "11=11\n12=12\n13=13\n14=14\n15=15\n16=0\n");
    open();
    EXPECT_EQ(headerCaptions().size(), 1u);
    EXPECT_EQ(rowCaptions().front(), "Capcom");
    EXPECT_EQ(gridNames(), (Texts{"Ryu", "ahuron", "Akuma", "ken", "リュウ", "Kyo"}));
}

TEST_F(PortraitGrid, TheSelectionIsOneForBothViewsAndSurvivesTheSwitch) {
    addCollection();
    open();
    selectRow(1);
    gridSwitch().toggleAction()->trigger();
    ASSERT_TRUE(gridOnShow());
    EXPECT_EQ(gridCurrentName(), "ahuron");

    grid().setCurrentIndex(grid().model()->index(3, 0));
    EXPECT_EQ(listPane().selectedRow(), 3);
    EXPECT_EQ(value(0), "ken"); // the detail pane follows the grid
    EXPECT_EQ(img().PortraitImage().size(), QSize(100, 120));

    gridSwitch().toggleAction()->trigger();
    EXPECT_FALSE(gridOnShow());
    EXPECT_EQ(listPane().selectedRow(), 3);
    selectRow(5);
    EXPECT_EQ(gridCurrentName(), "Kyo");
    gridSwitch().toggleAction()->trigger();
    EXPECT_EQ(grid().selectionModel()->selectedIndexes().size(), 1);
    EXPECT_EQ(value(0), "Kyo");
}

TEST_F(PortraitGrid, TheListsPopupMenuOpensOnAPortraitToo) {
    addCollection();
    open();
    gridSwitch().showGrid(true);
    grid().setCurrentIndex(grid().model()->index(2, 0));
    const QPoint at = grid().visualRect(grid().currentIndex()).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid().viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid().viewport(), &click);
    auto* popup = find<QMenu>("PopupMenu3");
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    // Its items work on the grid's selection: 対戦キャラに登録 takes the
    // portrait's row (and refuses it, an archive).
    find<QAction>("N7")->trigger();
    EXPECT_EQ(messages.shown().back().substr(0, 10), "Akuma.zip ");
    EXPECT_TRUE(form->settings().settings().FighterList.empty());
}

TEST_F(PortraitGrid, CtrlGSwitchesAndTheChoiceIsKeptForTheNextRun) {
    addCollection();
    openActive();
    QTest::keyClick(form.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(gridOnShow());
    EXPECT_TRUE(grid().hasFocus());
    form->close();
    EXPECT_NE(settingsText().find("PortraitGrid=1\r\n"), std::string::npos);
    open();
    EXPECT_TRUE(gridOnShow());
    EXPECT_TRUE(gridSwitch().toggleAction()->isChecked());
    form->close();
    open();
    gridSwitch().showGrid(false);
    form->close();
    EXPECT_NE(settingsText().find("PortraitGrid=0\r\n"), std::string::npos);
}

TEST_F(PortraitGrid, KeysMoveTheSelectionAndTypingFindsANamesFirstLetters) {
    addCollection();
    open();
    gridSwitch().showGrid(true);
    grid().setCurrentIndex(grid().model()->index(0, 0));
    QTest::keyClicks(&grid(), QStringLiteral("ak"));
    EXPECT_EQ(gridCurrentName(), "Akuma");
    EXPECT_EQ(value(0), "Akuma");
    QTest::keyClick(&grid(), Qt::Key_End);
    EXPECT_EQ(gridCurrentName(), "Kyo");
    QTest::keyClick(&grid(), Qt::Key_Home);
    EXPECT_EQ(gridCurrentName(), "Ryu");
    QTest::keyClick(&grid(), Qt::Key_Right);
    EXPECT_EQ(gridCurrentName(), "ahuron");
    EXPECT_EQ(listPane().selectedRow(), 1);
}

TEST_F(PortraitGrid, TheGridAndEachPortraitAreNamedForAccessibilityTools) {
    addCollection();
    open();
    gridSwitch().showGrid(true);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&grid());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->text(QAccessible::Name), QStringLiteral("ポートレート一覧"));
    ASSERT_GE(view->childCount(), 6);
    Texts names;
    for (int k = 0; k < view->childCount(); ++k) {
        names.push_back(view->child(k)->text(QAccessible::Name).toStdString());
    }
    EXPECT_EQ(names, (Texts{"Ryu", "ahuron", "Akuma", "ken", "リュウ", "Kyo"}));
}

TEST_F(PortraitGrid, PortraitsAreDrawnAtTheirOwnSizeOrScaledDownAndMissingRowsGreyed) {
    addRecord({1, "fits", "", encodedImage(100, 120, "PNG", Qt::blue)});
    addRecord({2, "tall", "", encodedImage(480, 560, "PNG", Qt::blue)});
    addRecord({3, "none", "", std::nullopt});
    addRecord({4, "gone", "", encodedImage(100, 120, "PNG", Qt::blue)});
    execute("UPDATE CHARACTER_TABLE SET DELETED=2 WHERE ID=4");
    open();
    form->resize(1200, 700);
    gridSwitch().showGrid(true);
    const QImage drawn = drawnGrid();
    const auto blueIn = [&](const QRect& area) {
        QRect found;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (drawn.pixelColor(x, y) == QColor(Qt::blue)) {
                    found |= QRect(x, y, 1, 1);
                }
            }
        }
        return found;
    };
    const QRect fits = pictureBox(0);
    EXPECT_EQ(blueIn(fits.adjusted(-4, -4, 4, 4)), QRect(fits.x() + 14, fits.y() + 20, 100, 120));
    // 480 x 560 into 128 x 160: 128 x 149, centred.
    const QRect tall = pictureBox(1);
    EXPECT_EQ(blueIn(tall.adjusted(-4, -4, 4, 4)), QRect(tall.x(), tall.y() + 5, 128, 149));
    // No portrait: the frame and "No Image" of the portrait pane.
    EXPECT_EQ(drawn.pixelColor(pictureBox(2).topLeft()),
              grid().palette().color(QPalette::Highlight));
    // A missing row is drawn faint: no pixel of its portrait is the full colour.
    const QRect gone = pictureBox(3);
    EXPECT_TRUE(blueIn(gone).isEmpty());
    EXPECT_NE(drawn.pixelColor(gone.center()), drawn.pixelColor(gone.topLeft()));
}

TEST_F(PortraitGrid, TheCacheIsEmptiedWhenTheListIsRebuiltAndStaysBounded) {
    addCollection();
    open();
    gridSwitch().showGrid(true);
    drawnGrid();
    EXPECT_EQ(gridSwitch().cache().count(), 6);
    EXPECT_LE(gridSwitch().cache().usedBytes(), gui::PortraitGridSwitch::kCacheBudget);
    form->UpdateCharList();
    EXPECT_EQ(gridSwitch().cache().count(), 0);
}

// A portrait replaced in the portrait pane is what the grid shows next.
TEST_F(PortraitGrid, APortraitReplacedInThePaneIsDrawnAnewInTheGrid) {
    addCollection();
    writeSettings("[General]\nTempDir=" + temp.makeFolder("scratch") + "/\n");
    open();
    form->resize(1200, 700);
    gridSwitch().showGrid(true);
    grid().setCurrentIndex(grid().model()->index(0, 0));
    drawnGrid();
    choosers.answer(QString::fromStdString(temp.write("new.png", encodedImage(60, 70, "PNG",
                                                                                Qt::green))));
    img().ImgClick();
    const QImage drawn = drawnGrid();
    const QRect box = pictureBox(0);
    EXPECT_EQ(drawn.pixelColor(box.center()), QColor(Qt::green));
    EXPECT_EQ(gridSwitch().cache().find(1)->image.size(), QSize(60, 70));
    EXPECT_EQ(gridSwitch().cache().find(2)->image.size(), QSize(100, 120)); // the others stay
}

} // namespace
} // namespace zorvik::test
