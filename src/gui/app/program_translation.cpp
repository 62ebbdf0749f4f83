#include "gui/app/program_translation.h"

#include <QGuiApplication>
#include <QLibraryInfo>

namespace zorvik::gui {

ProgramTranslation::ProgramTranslation(Language language) {
    const QString code =
        language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
    if (qt_.load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
    if (language == Language::English && own_.load(QStringLiteral(":/i18n/zorvik_en.qm"))) {
        installed_ = QCoreApplication::installTranslator(&own_);
    }
    previousDisplayName_ = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(tr("M.U.G.E.N キャラクター管理ツール"));
}

ProgramTranslation::~ProgramTranslation() {
    QGuiApplication::setApplicationDisplayName(previousDisplayName_);
}

} // namespace zorvik::gui
