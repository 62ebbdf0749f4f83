#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

#include "gui_support/english_screen.h"
#include "gui_support/settings_dialog_fixture.h"

namespace zorvik::test {
namespace {

using ColumnSettings = SettingsDialogFixture;

const QStringList kDefaultShownNames = {
    QStringLiteral("NAME"),          QStringLiteral("NAME2"),    QStringLiteral("AUTHOR"),
    QStringLiteral("AI_AUTHOR"),     QStringLiteral("SPECIAL1"), QStringLiteral("SPECIAL2"),
    QStringLiteral("SUPPORTED_VER"), QStringLiteral("COMMENT"),  QStringLiteral("UPDATE_DATE")};

// The [ColumnOrder] section as the window writes it at close.
std::string orderSection(const std::vector<int>& entries) {
    std::string section = "[ColumnOrder]\r\n";
    for (std::size_t key = 0; key < entries.size(); ++key) {
        section += std::to_string(key) + "=" + std::to_string(entries[key]) + "\r\n";
    }
    return section;
}

TEST_F(ColumnSettings, TheDefaultLayoutListsTheShownColumnsAndFileNameAmongTheOthers) {
    open();
    inSettings(Close::Cancel, [&] {
        EXPECT_EQ(items("ListBox1"), kDefaultShownNames);
        EXPECT_EQ(items("ListBox2"), texts({"ファイル名"}));
        const auto* grid = inDialog<QTableWidget>("StringGrid1");
        ASSERT_EQ(grid->rowCount(), 10);
        EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("(カラム名)"));
        EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("(リネーム名)"));
        EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("キャラ名"));
        EXPECT_EQ(grid->item(9, 0)->text(), QStringLiteral("キャラのバージョン"));
        EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("ID"));
        EXPECT_FALSE(grid->item(1, 0)->flags() & Qt::ItemIsEditable);
        EXPECT_TRUE(grid->item(1, 1)->flags() & Qt::ItemIsEditable);
    });
}

TEST_F(ColumnSettings, MovingTheFirstShownColumnOutRemovesItAndWritesTheOrder) {
    open();
    inSettings(Close::Ok, [&] {
        select("ListBox1", 0);
        click("Button6");
        EXPECT_EQ(items("ListBox2"), texts({"NAME", "ファイル名"}));
        EXPECT_EQ(items("ListBox1").constFirst(), QStringLiteral("NAME2"));
    });
    EXPECT_EQ(headerCaptions(), Texts({"NAME2", "AUTHOR", "AI_AUTHOR", "SPECIAL1", "SPECIAL2",
                                       "SUPPORTED_VER", "COMMENT", "UPDATE_DATE"}));
    form->close();
    EXPECT_NE(settingsText().find(
                  orderSection({2, 3, 4, 5, 6, 7, 8, 9, -1, 1, 11, 12, 13, 14, 15, 16, 0})),
              std::string::npos);
}

// FILENAME, past the ten entries the tab lists, is offered all the same:
// shown, it tells apart two characters of one name in different group folders.
TEST_F(ColumnSettings, FileNameCanBeShownAndTellsTwoCharactersOfOneNameApart) {
    addStoredCharacter("Kung Fu Man", "KOF/kfm", 0);
    addStoredCharacter("Kung Fu Man", "Capcom/kfm", 0);
    open();
    inSettings(Close::Ok, [&] {
        select("ListBox2", 0);
        click("Button6");
        EXPECT_EQ(items("ListBox1").constLast(), QStringLiteral("ファイル名"));
        EXPECT_TRUE(items("ListBox2").isEmpty());
    });
    EXPECT_EQ(headerCaptions().back(), "ファイル名");
    const QAbstractItemModel* model = list()->model();
    const int last = model->columnCount() - 1;
    EXPECT_EQ(model->index(0, last).data().toString(), QStringLiteral("KOF/kfm"));
    EXPECT_EQ(model->index(1, last).data().toString(), QStringLiteral("Capcom/kfm"));
    EXPECT_GE(list()->header()->sectionSize(last), 100); // wide enough for a path
    form->close();
    EXPECT_NE(settingsText().find(
                  orderSection({1, 2, 3, 4, 5, 6, 7, 8, 9, 14, -1, 11, 12, 13, 15, 16, 0})),
              std::string::npos);
    // Hidden again, it is offered again; the search column names it the same way.
    open();
    EXPECT_EQ(find<QComboBox>("ComboBox1")->itemText(kFileNameColumn),
              QStringLiteral("ファイル名"));
    inSettings(Close::Ok, [&] {
        select("ListBox1", 9);
        click("Button6");
        EXPECT_EQ(items("ListBox2"), texts({"ファイル名"}));
    });
    EXPECT_EQ(headerCaptions().back(), "UPDATE_DATE");
    form->close();
    {
        const EnglishScreen english;
        open();
        inSettings(Close::Cancel, [&] { EXPECT_EQ(items("ListBox2"), texts({"File Name"})); });
    }
}

TEST_F(ColumnSettings, ColumnsMoveBetweenTheListsBothWaysAndUpAndDown) {
    open();
    inSettings(Close::Ok, [&] {
        click("Button6"); // no selection: nothing
        select("ListBox1", 0);
        click("Button6");
        select("ListBox1", 0);
        click("Button6");
        EXPECT_EQ(items("ListBox2"), texts({"NAME2", "NAME", "ファイル名"}));
        select("ListBox1", 1);
        select("ListBox2", 1);
        EXPECT_TRUE(inDialog<QListWidget>("ListBox1")->selectedItems().isEmpty());
        click("Button6");
        EXPECT_EQ(items("ListBox1").constLast(), QStringLiteral("NAME"));
        EXPECT_EQ(items("ListBox2"), texts({"NAME2", "ファイル名"}));
    });
    // Shown now: AUTHOR ... UPDATE_DATE, NAME.
    inSettings(Close::Ok, [&] {
        auto* shown = inDialog<QListWidget>("ListBox1");
        select("ListBox1", 0);
        click("Button7"); // the first cannot go up
        select("ListBox1", 7);
        click("Button8"); // the last cannot go down
        EXPECT_EQ(items("ListBox1").constFirst(), QStringLiteral("AUTHOR"));
        EXPECT_EQ(items("ListBox1").constLast(), QStringLiteral("NAME"));
        click("Button7");
        EXPECT_EQ(shown->currentRow(), 6);
        EXPECT_EQ(items("ListBox1")[6], QStringLiteral("NAME"));
        select("ListBox1", 0);
        click("Button8");
        EXPECT_EQ(shown->currentRow(), 1);
        EXPECT_EQ(items("ListBox1").mid(0, 2), texts({"AI_AUTHOR", "AUTHOR"}));
    });
    form->close();
    EXPECT_NE(settingsText().find(
                  orderSection({4, 3, 5, 6, 7, 8, 1, 9, -1, 2, 11, 12, 13, 14, 15, 16, 0})),
              std::string::npos);
}

TEST_F(ColumnSettings, AHandWrittenOrderIsListedAsItIsAndStillEdited) {
    // Columns past UPDATE_DATE, a number that names no column, the separator past the listed ten.
    std::string order = "[ColumnOrder]\n";
    const std::vector<int> entries = {12, 1, 99, 2, 3, 4, 5, 6, 7, 8, 9, -1, 0, 10, 11, 13, 14};
    for (std::size_t key = 0; key < entries.size(); ++key) {
        order += std::to_string(key) + "=" + std::to_string(entries[key]) + "\n";
    }
    writeSettings(order);
    open();
    inSettings(Close::Ok, [&] {
        EXPECT_EQ(items("ListBox1").mid(0, 3), texts({"PATH_ID", "NAME", "99"}));
        EXPECT_EQ(items("ListBox2"), texts({"ファイル名"})); // the last entry, still offered
        select("ListBox1", 2);
        click("Button6");
        EXPECT_EQ(items("ListBox1").mid(0, 3), texts({"PATH_ID", "NAME", "NAME2"}));
    });
    EXPECT_EQ(form->settings().settings().ColumnOrder,
              (ColumnOrderArray{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 99, 0, 10, 11, 13, 14}));
}

TEST_F(ColumnSettings, ANameClearedInTheGridBecomesTheFixedLabel) {
    open();
    inSettings(Close::Ok, [&] {
        auto* grid = inDialog<QTableWidget>("StringGrid1");
        grid->item(1, 1)->setText(QString());
        grid->item(2, 1)->setText(QStringLiteral("別の名前") + QString(70, QLatin1Char('x')));
    });
    const auto& names = form->settings().settings().ColumnNames;
    EXPECT_EQ(names[1], "キャラ名");
    EXPECT_EQ(names[2], "別の名前" + std::string(51, 'x')); // cut to 63 bytes
    EXPECT_EQ(names[10], "LASTCHECK_DATE");
    EXPECT_EQ(headerCaptions().front(), "キャラ名");
    // The search column keeps its names until the next start.
    EXPECT_EQ(find<QComboBox>("ComboBox1")->itemText(1), QStringLiteral("NAME"));
    form->close();
    EXPECT_EQ(readFile(programFolder + "/ColumnName").substr(0, 18), "ID\r\nキャラ名\r\n");
}

} // namespace
} // namespace zorvik::test
