#include "plugins/archiver/extract_command.h"

#include <limits>

#include "plugins/archiver/ascii_case.h"
#include "plugins/archiver/command_words.h"

namespace zorvik::archiver {

namespace {

// "123", "64k", "512M", "2g": bytes, binary multiples.
std::optional<std::uint64_t> parseSize(std::string_view text) {
    std::uint64_t value = 0;
    std::size_t i = 0;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        if (value > (kMax - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    if (i == 0 || text.size() - i > 1) {
        return std::nullopt;
    }
    int shift = 0;
    if (i < text.size()) {
        const char unit = lowerAscii(text[i]);
        shift = unit == 'k' ? 10 : unit == 'm' ? 20 : unit == 'g' ? 30 : -1;
    }
    if (shift < 0 || value > (kMax >> shift)) {
        return std::nullopt;
    }
    return value << shift;
}

bool applySwitch(const std::string& text, ExtractCommand& command, std::string& error) {
    constexpr std::string_view kSize = "-size:";
    if (startsWithIgnoringCase(text, kSize)) {
        if (const auto limit = parseSize(std::string_view(text).substr(kSize.size()))) {
            command.sizeLimit = *limit;
            return true;
        }
        error = "bad size limit: " + text;
        return false;
    }
    error = "unknown switch: " + text;
    return false;
}

bool applyCommandWord(const std::string& word, ExtractCommand& command, std::string& error) {
    if (word.size() == 1 && (lowerAscii(word[0]) == 'x' || lowerAscii(word[0]) == 'e')) {
        command.dropPaths = lowerAscii(word[0]) == 'e';
        return true;
    }
    error = "unknown command \"" + word + "\" (x or e)";
    return false;
}

// The archive, then the destination, then masks.
bool applyOperand(const std::string& text, ExtractCommand& command, std::string& error) {
    if (command.archivePath.empty() || command.destination.empty()) {
        if (text.empty()) {
            error = "empty archive or destination";
            return false;
        }
        (command.archivePath.empty() ? command.archivePath : command.destination) = text;
    } else if (!text.empty()) {
        command.masks.push_back(text);
    }
    return true;
}

} // namespace

std::optional<ExtractCommand> parseExtractCommand(std::string_view commandLine,
                                                  std::string& error) {
    const auto tokens = splitCommandWords(commandLine);
    if (!tokens) {
        error = "unbalanced quotation mark";
        return std::nullopt;
    }
    if (tokens->empty()) {
        error = "empty command line";
        return std::nullopt;
    }
    ExtractCommand command;
    if (!applyCommandWord(tokens->front().text, command, error)) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < tokens->size(); ++i) {
        const CommandWord& token = (*tokens)[i];
        const bool isSwitch = !token.quoted && !token.text.empty() && token.text[0] == '-';
        if (!(isSwitch ? applySwitch(token.text, command, error)
                       : applyOperand(token.text, command, error))) {
            return std::nullopt;
        }
    }
    if (command.destination.empty()) {
        error = "the archive and the destination folder are both needed";
        return std::nullopt;
    }
    return command;
}

} // namespace zorvik::archiver
