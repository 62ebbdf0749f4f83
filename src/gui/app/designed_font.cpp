#include "gui/app/designed_font.h"

#include <QStringList>

namespace zorvik::gui {

QFont designedFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(12);
    return font;
}

} // namespace zorvik::gui
