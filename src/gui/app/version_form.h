#pragma once

#include <QDialog>

namespace zorvik::gui {

class Shell;

// The About box: the picture, the product name with its reading, the
// version, author and notice lines, the picture's credit and the button
// that closes it. Created for each showing.
class TVersionForm : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kWebSite = "https://zorvik.example/";

    TVersionForm(Shell& shell, QWidget* parent);

private:
    static QString versionHtml();
    static QString creditHtml();
    QWidget* makeNameBlock();
    QWidget* makeTextBlock(const QString& objectName, const QString& html);

    Shell& shell_;
};

} // namespace zorvik::gui
