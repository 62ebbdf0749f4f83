#include "core/roster/select_def_line.h"

#include <algorithm>

#include "core/platform/directory_listing.h"
#include "core/text/ascii_text.h"

namespace zorvik {

namespace {

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

constexpr std::string_view kDefSuffix = ".def";

} // namespace

bool fitsInSelectField(std::string_view text) {
    return !text.empty() && zorvik::text::trimmed(text).size() == text.size() &&
           std::none_of(text.begin(), text.end(),
                        [](char c) { return c == ',' || c == ';' || isControl(c); });
}

bool fitsAsCharacterName(std::string_view name) {
    return fitsInSelectField(name) && name.front() != '[' && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

bool fitsAsCharacterPath(std::string_view path) {
    for (;;) {
        const std::size_t slash = path.find('/');
        if (!fitsAsCharacterName(path.substr(0, slash))) {
            return false;
        }
        if (slash == std::string_view::npos) {
            return true;
        }
        path.remove_prefix(slash + 1);
    }
}

std::string characterEntry(std::string_view folder, std::string_view defFileName) {
    const bool nested = folder.find('/') != std::string_view::npos;
    if (!nested && folderKey(defFileName) == folderKey(std::string(folder) + std::string(kDefSuffix))) {
        return std::string(folder);
    }
    return std::string(folder) + "/" + std::string(defFileName);
}

std::string characterLine(std::string_view entry, const RosterOptions& options) {
    std::string line(entry);
    if (options.stage == RosterStage::Random) {
        line += ", random";
    } else if (options.stage == RosterStage::Fixed) {
        line += ", " + options.stagePath;
    } else if (options.order) {
        line += ", "; // order is the third field: an empty stage keeps its place
    }
    if (options.order) {
        line += ", order=" + std::to_string(*options.order);
    }
    return line;
}

std::string folderKey(std::string_view folder) {
    return text::asciiLowered(folder);
}

std::string namedFolderKey(std::string_view line) {
    line = line.substr(0, line.find(';'));
    std::string entry(text::trimmed(line.substr(0, line.find(','))));
    std::replace(entry.begin(), entry.end(), '\\', '/');
    if (platform::endsWithIgnoringCase(entry, std::string(kDefSuffix))) {
        const std::size_t slash = entry.rfind('/');
        entry.resize(slash == std::string::npos ? entry.size() : slash);
    }
    while (!entry.empty() && entry.back() == '/') {
        entry.pop_back();
    }
    return folderKey(entry);
}

} // namespace zorvik
