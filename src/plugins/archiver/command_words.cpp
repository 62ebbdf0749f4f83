#include "plugins/archiver/command_words.h"

namespace zorvik::archiver {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::optional<std::vector<CommandWord>> splitCommandWords(std::string_view line) {
    std::vector<CommandWord> words;
    CommandWord current;
    bool inWord = false;
    bool inQuotes = false;
    for (const char c : line) {
        if (c == '"') {
            inQuotes = !inQuotes;
            current.quoted = true;
            inWord = true;
        } else if (!inQuotes && isBlank(c)) {
            if (inWord) {
                words.push_back(std::move(current));
                current = CommandWord();
                inWord = false;
            }
        } else {
            current.text += c;
            inWord = true;
        }
    }
    if (inQuotes) {
        return std::nullopt;
    }
    if (inWord) {
        words.push_back(std::move(current));
    }
    return words;
}

} // namespace zorvik::archiver
