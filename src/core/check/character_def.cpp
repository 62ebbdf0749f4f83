#include "core/check/character_def.h"

#include <string_view>
#include <unordered_map>

#include "core/discovery/def_value.h"
#include "core/platform/file_io.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

// Values are cut as the INI reader cuts them into its buffer: long enough
// for any real path, and a hostile .def cannot make the lookups long.
constexpr std::size_t kValueBufferSize = 1024;

std::vector<std::string> makeKeys() {
    std::vector<std::string> keys = {"cmd", "cns", "st"};
    for (int i = 0; i <= 9; ++i) {
        keys.push_back("st" + std::to_string(i));
    }
    for (const char* key : {"stcommon", "sprite", "anim", "sound", "ai"}) {
        keys.emplace_back(key);
    }
    for (int i = 1; i <= 12; ++i) {
        keys.push_back("pal" + std::to_string(i));
    }
    return keys;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

// The sections of a .def that the check reads.
enum class Section { Other, Info, Files };

// Reads [Info] Name and the [Files] keys in one pass, with the rules of the
// INI reader registration uses: names compare ignoring case, values are
// trimmed, and only the first section of a name and the first key of a
// name in it count.
class DefReader {
public:
    explicit DefReader(std::string_view text) {
        bool seenInfo = false;
        bool seenFiles = false;
        Section section = Section::Other;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string_view line = trimmed(text.substr(start, end - start));
            start = end + 1;
            if (!line.empty() && line.front() == '[') {
                const std::string name =
                    lowered(trimmed(line.substr(1, line.find(']') - 1)));
                section = enter(name, "info", seenInfo, Section::Info);
                if (section == Section::Other) {
                    section = enter(name, "files", seenFiles, Section::Files);
                }
            } else if (section != Section::Other) {
                take(line, section);
            }
        }
    }

    bool hasName() const { return !name_.empty(); }
    std::vector<FileReference> files() const;

private:
    static Section enter(const std::string& name, const char* wanted, bool& seen, Section kind) {
        if (name != wanted || seen) {
            return Section::Other;
        }
        seen = true;
        return kind;
    }

    void take(std::string_view line, Section section) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return;
        }
        const std::string key = lowered(trimmed(line.substr(0, equals)));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (section == Section::Info) {
            if (key == "name" && !seenName_) {
                seenName_ = true;
                name_ = value;
            }
        } else {
            values_.emplace(key, value); // the first of a key stays
        }
    }

    bool seenName_ = false;
    std::string name_;
    std::unordered_map<std::string, std::string> values_;
};

std::vector<FileReference> DefReader::files() const {
    std::vector<FileReference> files;
    for (const std::string& key : fileReferenceKeys()) {
        const auto value = values_.find(key);
        if (value == values_.end() || value->second.empty()) {
            continue;
        }
        std::string cleaned = cleanDefValue(text::fitToBuffer(value->second, kValueBufferSize));
        if (!cleaned.empty()) {
            files.push_back({key, std::move(cleaned)});
        }
    }
    return files;
}

std::string fileNameOf(const std::string& path) {
    return text::decodeFileName(path.substr(path.rfind('/') + 1));
}

} // namespace

const std::vector<std::string>& fileReferenceKeys() {
    static const std::vector<std::string> keys = makeKeys();
    return keys;
}

std::optional<CharacterDef> readCharacterDef(const std::vector<std::string>& defFiles) {
    std::string bytes;
    for (const std::string& path : defFiles) {
        if (!platform::readWholeFile(path, bytes)) {
            continue;
        }
        const DefReader reader(text::decodeFileText(bytes));
        if (reader.hasName()) {
            return CharacterDef{path, fileNameOf(path), reader.files()};
        }
    }
    return std::nullopt;
}

} // namespace zorvik
