#pragma once

#include <cstddef>
#include <string>

#include <QString>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// The controls of the settings pages, made the same way on every page:
// each named as designed, each input named by its label.
namespace zorvik::gui::settings_controls {

QLabel* newLabel(QWidget* parent, const char* objectName, const QString& caption);
// An edit that its label names (the label's buddy).
QLineEdit* newEdit(QWidget* parent, const char* objectName, QLabel* label);
QPushButton* newButton(QWidget* parent, const char* objectName, const QString& caption);
QCheckBox* newCheckBox(QWidget* parent, const char* objectName, const QString& caption);
QGroupBox* newGroupBox(QWidget* parent, const char* objectName, const QString& title);
// A single-selection list that its label names; none when a group names it.
QListWidget* newListBox(QWidget* parent, const char* objectName, QLabel* label);
// A read-only note of fixed lines.
QLabel* newNote(QWidget* parent, const char* objectName, const QStringList& lines);
// A "..." button that opens a chooser: narrow, and named by what it chooses.
QPushButton* newChooserButton(QWidget* parent, const char* objectName, const QString& chooses);

// The caption as read aloud: without its access-key marks.
QString withoutAccessKey(const QString& caption);

// The selected item's row, -1 when none is selected.
int selectedRow(const QListWidget& list);

QString fromSetting(const std::string& text);
// The text as a setting buffer of bufferSize bytes holds it.
std::string toSetting(const QString& text, std::size_t bufferSize);

} // namespace zorvik::gui::settings_controls
