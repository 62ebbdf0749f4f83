#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace zorvik::gui {

// The file and folder choosers. The program shows file dialogs; tests put
// a scripted fake in their place. Filters are written the Windows way,
// "caption|*.a;*.b|caption|*.*".
class Choosers {
public:
    virtual ~Choosers();

    // An existing folder (the chooser offers no way to create one); none
    // when the user cancels.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                                const QString& startFolder) = 0;
    // An existing file to read.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                                    const QString& startPath,
                                                    const QString& filter) = 0;
    // A file to write, which may not exist yet.
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const QString& title,
                                                    const QString& startPath,
                                                    const QString& filter) = 0;
};

} // namespace zorvik::gui
