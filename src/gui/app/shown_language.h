#pragma once

#include <QString>

#include "core/text/message.h"

namespace zorvik::gui {

// The core's texts in the language the program shows: Qt's installed
// translators, which give the Japanese source when English is not chosen.
class ShownLanguage final : public TextLanguage {
public:
    std::string text(const char* context, const char* source) const override;
};

// A core message in the language the program shows.
QString shownText(const Message& message);

} // namespace zorvik::gui
