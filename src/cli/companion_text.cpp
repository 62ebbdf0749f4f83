#include "cli/companion_text.h"

namespace zorvik::cli {

std::string companionText(const Message& message) {
    return japaneseText(message);
}

} // namespace zorvik::cli
