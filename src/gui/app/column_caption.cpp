#include "gui/app/column_caption.h"

#include <QCoreApplication>

namespace zorvik::gui {

// The context of the caption in the translations.
class ColumnCaption {
    Q_DECLARE_TR_FUNCTIONS(zorvik::gui::ColumnCaption)
public:
    static QString fileName() { return tr("ファイル名"); }
};

QString columnCaption(const std::array<std::string, kColumnCount>& names, int column) {
    const std::string& name = names[static_cast<std::size_t>(column)];
    if (column == kFileNameColumn && (name.empty() || name == ColumnSqlNames[kFileNameColumn])) {
        return ColumnCaption::fileName();
    }
    return QString::fromStdString(name);
}

} // namespace zorvik::gui
