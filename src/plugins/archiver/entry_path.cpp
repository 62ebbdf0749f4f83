#include "plugins/archiver/entry_path.h"

namespace zorvik::archiver {

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAbsolute(std::string_view name) {
    return (!name.empty() && isSeparator(name[0])) ||
           (name.size() >= 2 && isAsciiLetter(name[0]) && name[1] == ':');
}

} // namespace

EntryPath parseEntryPath(std::string_view name) {
    EntryPath path;
    if (isAbsolute(name)) {
        path.problem = "absolute path";
        return path;
    }
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !isSeparator(name[end])) {
            ++end;
        }
        const std::string_view component = name.substr(start, end - start);
        if (component == "..") {
            path.components.clear();
            path.problem = "parent folder reference";
            return path;
        }
        if (!component.empty() && component != ".") {
            path.components.emplace_back(component);
        }
        start = end + 1;
    }
    if (path.components.empty()) {
        path.problem = "empty name";
    }
    return path;
}

} // namespace zorvik::archiver
