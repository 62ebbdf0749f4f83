#include "cli/companion_text.h"

#include "cli/cli_language.h"

namespace zorvik::cli {

std::string companionText(const Message& message) {
    return messageText(message, shownLanguage());
}

} // namespace zorvik::cli
