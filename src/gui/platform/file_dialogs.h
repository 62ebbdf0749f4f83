#pragma once

#include <QStringList>

#include "gui/platform/choosers.h"

namespace zorvik::gui {

// The program's Choosers: Qt's own file dialog, the same on every desktop.
class FileDialogs : public Choosers {
public:
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                        const QString& startFolder) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                            const QString& startPath,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const QString& title,
                                            const QString& startPath,
                                            const QString& filter) override;
};

// Qt's name filters for a Windows filter: "Image|*.bmp;*.png;|all|*.*"
// gives "Image (*.bmp *.png)" and "all (*.*)"; empty patterns are dropped.
QStringList qtNameFilters(const QString& windowsFilter);

} // namespace zorvik::gui
