#pragma once

#include <span>

namespace zorvik::cli {

// A text of the program with its English, as translations/zorvik_en.ts gives it.
struct EnglishText {
    const char* context;
    const char* source; // the Japanese text
    const char* english;
};

// Every finished English translation, sorted by context, then source, in
// byte order. Made at build time from the .ts by zorvik_ts_table.
std::span<const EnglishText> englishTexts();

} // namespace zorvik::cli
