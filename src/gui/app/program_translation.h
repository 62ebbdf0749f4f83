#pragma once

#include <QTranslator>

#include "core/settings/language.h"

namespace zorvik::gui {

// The translations of the program's texts for one language, installed in
// the application for as long as the object lives. Japanese is the texts'
// own language and needs none of ours; Qt's own texts (standard buttons,
// choosers) follow in either language when the system has Qt's translation
// for it, and stay as Qt writes them when it has not.
class ProgramTranslation {
public:
    // language is resolved: Japanese or English.
    explicit ProgramTranslation(Language language);

    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;

    // True when the program's own translation was installed.
    bool installed() const { return installed_; }

private:
    QTranslator own_;
    QTranslator qt_;
    bool installed_ = false;
};

} // namespace zorvik::gui
