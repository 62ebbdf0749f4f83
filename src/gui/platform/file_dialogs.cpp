#include "gui/platform/file_dialogs.h"

#include <QFileDialog>

namespace zorvik::gui {

QStringList qtNameFilters(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

namespace {

// Qt's widget-based dialog, so that the program looks and behaves the same
// whatever the desktop, and the caption keeps the filter's own wording.
void prepare(QFileDialog& dialog, const QString& filter) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(qtNameFilters(filter));
    dialog.setSizeGripEnabled(true);
}

std::optional<QString> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> FileDialogs::chooseFolder(QWidget* parent, const QString& title,
                                                 const QString& startFolder) {
    QFileDialog dialog(parent, title, startFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Only an existing folder is chosen: the "new folder" button stays off.
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setFileMode(QFileDialog::Directory);
    return run(dialog);
}

std::optional<QString> FileDialogs::chooseFileToOpen(QWidget* parent, const QString& title,
                                                     const QString& startPath,
                                                     const QString& filter) {
    QFileDialog dialog(parent, title);
    prepare(dialog, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.selectFile(startPath);
    return run(dialog);
}

std::optional<QString> FileDialogs::chooseFileToSave(QWidget* parent, const QString& title,
                                                     const QString& startPath,
                                                     const QString& filter) {
    QFileDialog dialog(parent, title);
    prepare(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(startPath);
    return run(dialog);
}

} // namespace zorvik::gui
