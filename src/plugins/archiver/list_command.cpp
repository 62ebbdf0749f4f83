#include "plugins/archiver/list_command.h"

#include <charconv>

#include "plugins/archiver/ascii_case.h"
#include "plugins/archiver/command_words.h"

namespace zorvik::archiver {

namespace {

bool isListWord(const CommandWord& word) {
    return !word.quoted && word.text.size() == 1 && lowerAscii(word.text[0]) == 'l';
}

bool applySwitch(const std::string& text, ListCommand& command, std::string& error) {
    constexpr std::string_view kFrom = "-from:";
    if (startsWithIgnoringCase(text, kFrom)) {
        const char* first = text.data() + kFrom.size();
        const char* last = text.data() + text.size();
        const auto [end, code] = std::from_chars(first, last, command.from);
        if (code == std::errc() && end == last && first != last) {
            return true;
        }
    }
    error = "bad switch for l: " + text;
    return false;
}

} // namespace

bool isListCommand(std::string_view commandLine) {
    const auto words = splitCommandWords(commandLine);
    return words && !words->empty() && isListWord(words->front());
}

std::optional<ListCommand> parseListCommand(std::string_view commandLine, std::string& error) {
    const auto words = splitCommandWords(commandLine);
    if (!words || words->empty() || !isListWord(words->front())) {
        error = "not a listing command";
        return std::nullopt;
    }
    ListCommand command;
    for (std::size_t i = 1; i < words->size(); ++i) {
        const CommandWord& word = (*words)[i];
        if (!word.quoted && !word.text.empty() && word.text[0] == '-') {
            if (!applySwitch(word.text, command, error)) {
                return std::nullopt;
            }
        } else if (command.archivePath.empty() && !word.text.empty()) {
            command.archivePath = word.text;
        } else {
            error = "l takes one archive: " + word.text;
            return std::nullopt;
        }
    }
    if (command.archivePath.empty()) {
        error = "the archive is needed";
        return std::nullopt;
    }
    return command;
}

} // namespace zorvik::archiver
