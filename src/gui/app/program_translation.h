#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include "core/settings/language.h"

namespace zorvik::gui {

// The translations of the program's texts for one language, installed in
// the application for as long as the object lives. Japanese is the texts'
// own language and needs none of ours; Qt's own texts (standard buttons,
// choosers) follow in either language when the system has Qt's translation
// for it, and stay as Qt writes them when it has not. The application's
// display name, which follows every window's title and captions the
// message boxes, is the program's description in the same language.
class ProgramTranslation {
    Q_DECLARE_TR_FUNCTIONS(zorvik::gui::ProgramTranslation)
public:
    // language is resolved: Japanese or English.
    explicit ProgramTranslation(Language language);
    // Puts back the display name there was.
    ~ProgramTranslation();

    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;

    // True when the program's own translation was installed.
    bool installed() const { return installed_; }

private:
    QTranslator own_;
    QTranslator qt_;
    bool installed_ = false;
    QString previousDisplayName_;
};

} // namespace zorvik::gui
