#pragma once

#include <cstdint>
#include <optional>

#include <QKeySequence>
#include <QWidget>

#include "core/catalogue/character_records.h"

class QCheckBox;
class QFrame;
class QPushButton;

namespace zorvik {
class EditorMessages;
class Kel_CharacterDb;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListPane;
class DetailGrid;
class DetailGridModel;
class PortraitPane;
class SettingsOwner;
class StatusMessages;

// The lower half of Panel4: the detail grid DGrid in its frame Panel3, the
// detailed view switch CheckBox1 and the write-back button Button2. It
// follows the list's selection, loads the selected record's fields here
// and its portrait into the portrait box, and writes the eight editable
// fields back. Before edits not yet written would be lost it asks whether
// to save them. A change of the settings renames the row labels.
class DetailPane : public QWidget {
    Q_OBJECT
public:
    // The most bytes (UTF-8) that all 20 values may hold together.
    static constexpr std::size_t kMaxValueBytes = 3500;
    // Presses Button2 (上記内容で更新) from the keyboard.
    static inline const QKeySequence kWriteBackKey{QKeySequence(Qt::CTRL | Qt::Key_S)};

    DetailPane(Kel_CharacterDb& db, const SettingsOwner& settings, EditorMessages& messages,
               StatusMessages& statusBar, PortraitPane& portrait, QWidget* parent);

    // Loads each row the list selects; a rebuilt list has new rows.
    void followList(const CharacterListPane& list);

    // Row labels from the column display names.
    void BuildDetailLabels();
    // The window's start-up: the comment row four rows tall, the basic view.
    void setUpGrid();

    // The record's fields into the values, then its portrait; true when both were read.
    bool LoadCharDetail(std::int64_t id);

    // Whether the record on show may give way to the record nextId (none: to
    // no record, as when the list is rebuilt or the window closes). With
    // edits not yet written, and another record next, the user is asked
    // "NAME の変更を保存しますか?": 保存 writes them (false when that fails),
    // 破棄 throws them away, キャンセル keeps them and says false.
    bool mayLeaveRecord(std::optional<std::int64_t> nextId);

    DetailGridModel& detailTexts() const { return *model_; }

    // The message of a failed write-back, named by the step that failed.
    // A finalize fails only where SQLite reports an error the step did not,
    // which a catalogue on a local disk never does; the text is kept for it.
    static std::string updateFailureMessage(const CatalogueStatus& status);

signals:
    // The eight fields were written to the record of this ID.
    void recordWritten(qint64 id);

public slots:
    // Runs whether a row gained or lost the selection; loads the list's
    // selected row unless the row reported is the one last reported.
    void ListView1SelectItem(int row, bool selected);
    // 詳細表示する
    void CheckBox1Click();
    // 上記内容で更新
    void Button2Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWriteBackButton();
    // Button2's work: true when the fields were written.
    bool writeBack();
    EditableFields editedFields() const;
    std::size_t valueBytes() const;

    CharacterRecords records_;
    const SettingsOwner& settings_;
    EditorMessages& messages_;
    StatusMessages& statusBar_;
    PortraitPane& portrait_;
    const CharacterListPane* list_ = nullptr;
    // The row index of the item last reported by the list; none after a rebuild.
    std::optional<int> LastSelectedItem;

    DetailGridModel* model_ = nullptr;
    QFrame* Panel3 = nullptr;
    DetailGrid* DGrid = nullptr;
    QCheckBox* CheckBox1 = nullptr; // 詳細表示する
    QPushButton* Button2 = nullptr; // 上記内容で更新 (the settings dialog's Button2 is キャンセル)
};

} // namespace zorvik::gui
