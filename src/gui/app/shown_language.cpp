#include "gui/app/shown_language.h"

#include <QCoreApplication>

namespace zorvik::gui {

std::string ShownLanguage::text(const char* context, const char* source) const {
    return QCoreApplication::translate(context, source).toStdString();
}

QString shownText(const Message& message) {
    return QString::fromStdString(messageText(message, ShownLanguage()));
}

} // namespace zorvik::gui
