#include "core/text/message.h"

namespace zorvik {

namespace {

constexpr const char* kContext = "zorvik::Message";

} // namespace

TextLanguage::~TextLanguage() = default;

std::string SourceLanguage::text(const char* /*context*/, const char* source) const {
    return source;
}

std::string withArguments(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool numbered = pattern[i] == '%' && i + 1 < pattern.size() &&
                              pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const std::size_t index = numbered ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (numbered && index < arguments.size()) {
            result += arguments[index];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

Message Message::verbatim(std::string text) {
    return Message{MessageKind::Verbatim, {std::move(text)}};
}

const char* messagePattern(MessageKind kind) {
    switch (kind) {
    case MessageKind::Verbatim:
        return "%1";
    }
    return "%1";
}

std::string messageText(const Message& message, const TextLanguage& language) {
    if (message.kind == MessageKind::Verbatim) {
        return withArguments("%1", message.arguments);
    }
    return withArguments(language.text(kContext, messagePattern(message.kind)),
                         message.arguments);
}

std::string japaneseText(const Message& message) {
    return messageText(message, SourceLanguage());
}

} // namespace zorvik
