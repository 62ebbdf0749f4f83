#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// An INI file held as its lines, so that a change keeps everything else
// (order, other sections, comments) as it was.
class IniDocument {
public:
    // Reads a file as UTF-8, or as CP932 when it is not valid UTF-8.
    // A missing or unreadable file gives an empty document.
    static IniDocument load(const std::string& path);
    static IniDocument parse(std::string_view text);

    // The trimmed value of the first matching key of the first matching
    // section; names compare without regard to ASCII case.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or adds the key (and the section).
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

    // Writes the document as UTF-8, atomically; false on failure.
    bool save(const std::string& path) const;

private:
    std::optional<std::size_t> findSection(std::string_view section) const;
    std::size_t sectionEnd(std::size_t headerLine) const;
    std::optional<std::size_t> findKey(std::size_t headerLine, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string lineEnd_ = "\r\n";
    bool endsWithLineEnd_ = true;
};

} // namespace zorvik
