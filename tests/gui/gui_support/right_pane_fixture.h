#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QBuffer>
#include <QImage>
#include <QLineEdit>

#include "core/catalogue/character_records.h"
#include "gui/detail/detail_grid.h"
#include "gui/detail/detail_grid_model.h"
#include "gui/detail/detail_pane.h"
#include "gui/portrait/portrait_pane.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {

// A main window over records written with every column the right pane
// shows, and ways to reach the pane's parts.
class RightPaneFixture : public MainWindowFixture {
protected:
    struct Record {
        std::int64_t id = 0;
        std::string name;
        std::optional<std::string> name2 = std::string();
        std::optional<std::string> image; // the IMAGE bytes; none for NULL
    };

    void addRecord(const Record& record) {
        Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
        const auto textOrNull = [](const std::optional<std::string>& text) {
            return text ? BoundValue::ofText(*text) : BoundValue::null();
        };
        ASSERT_TRUE(executeBound(
            catalogue.statements(),
            "INSERT INTO CHARACTER_TABLE(ID, NAME, NAME2, AUTHOR, COMMENT, FILENAME, UPDATE_DATE, "
            "FILETYPE, PATH_ID, DELETED, IMAGE) VALUES(?, ?, ?, ?, ?, ?, '2012-03-03', 1, 1, 0, ?)",
            {BoundValue::ofInt(record.id), BoundValue::ofText(record.name),
             textOrNull(record.name2), BoundValue::ofText("author of " + record.name),
             BoundValue::ofText("comment"), BoundValue::ofText(record.name + ".zip"),
             record.image ? BoundValue::ofBlob(*record.image) : BoundValue::null()}));
    }

    // Runs a statement on a second connection, as another program would.
    void execute(const std::string& sql) {
        Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
        ASSERT_TRUE(executeBound(catalogue.statements(), sql, {}));
    }

    // A column of the record as stored; none when there is no such record.
    std::optional<std::string> stored(std::int64_t id, int column) {
        Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
        return CharacterRecords(catalogue).columnText(id, column);
    }

    // An image of one colour, encoded in format.
    static std::string encodedImage(int width, int height, const char* format = "PNG",
                                    QColor colour = Qt::red) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes.toStdString();
    }

    void selectRow(int row) { list()->setCurrentIndex(list()->model()->index(row, 0)); }

    gui::DetailPane& detail() const { return *find<gui::DetailPane>("DetailPane"); }
    gui::DetailGridModel& grid() const { return detail().detailTexts(); }
    gui::DetailGrid& view() const { return *find<gui::DetailGrid>("DGrid"); }
    gui::PortraitPane& img() const { return *find<gui::PortraitPane>("Img"); }
    std::string value(int row) const {
        return grid().DetailValues()[static_cast<std::size_t>(row)];
    }

    // What the user types into a value: the model gets each keystroke.
    void setValue(int row, const std::string& text) {
        grid().setData(grid().index(row, gui::DetailGridModel::kValueColumn),
                       QString::fromStdString(text), Qt::EditRole);
    }
};

} // namespace zorvik::test
