#include "cli/ts_table/ts_table_source.h"

#include <cstdio>

namespace zorvik::cli {

namespace {

// A C++ string literal of the bytes: anything but plain ASCII as a
// three-digit octal escape, which, unlike \x, never runs into the next
// character; '?' too, which could start a trigraph.
std::string literal(const std::string& bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\' && c != '?') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned>(byte));
            out += escaped;
        }
    }
    return out + "\"";
}

} // namespace

std::string englishTableSource(const std::vector<TsEntry>& entries) {
    std::string out = "// Made by zorvik_ts_table from translations/zorvik_en.ts: do not edit.\n"
                      "#include \"cli/english_texts.h\"\n\n#include <array>\n\n"
                      "namespace zorvik::cli {\n\nnamespace {\n\n"
                      "const std::array<EnglishText, " +
                      std::to_string(entries.size()) + "> kTexts{{\n";
    for (const TsEntry& entry : entries) {
        out += "    {" + literal(entry.context) + ", " + literal(entry.source) + ", " +
               literal(entry.translation) + "},\n";
    }
    return out + "}};\n\n} // namespace\n\n"
                 "std::span<const EnglishText> englishTexts() {\n    return kTexts;\n}\n\n"
                 "} // namespace zorvik::cli\n";
}

} // namespace zorvik::cli
