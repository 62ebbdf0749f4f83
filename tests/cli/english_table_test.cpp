// The English table as the build makes it: english_table_sample.ts read by
// zorvik_ts_table, compiled, and looked up.

#include <gtest/gtest.h>

#include "cli/english_texts.h"
#include "cli/table_language.h"

namespace zorvik::cli {
namespace {

TEST(EnglishTable, FindsEveryTextWithItsBytesIntact) {
    const TableLanguage english(englishTexts());
    EXPECT_EQ(english.text("zorvik::cli", "引用 \"%1\""), "quoted \"%1\" \\ back\\slash");
    EXPECT_EQ(english.text("zorvik::cli", "二行\n目"), "two\nlines");
    EXPECT_EQ(english.text("zorvik::cli", "Z"), "é1 \?\?= ?");
    EXPECT_EQ(english.text("zorvik::Message", "Z"), "other context");
    for (const EnglishText& entry : englishTexts()) {
        EXPECT_EQ(english.text(entry.context, entry.source), entry.english) << entry.source;
    }
}

TEST(EnglishTable, ATextWithoutEnglishStaysJapanese) {
    const TableLanguage english(englishTexts());
    EXPECT_EQ(englishTexts().size(), 4u); // the unfinished one is not in it
    EXPECT_EQ(english.text("zorvik::cli", "未訳"), "未訳");
    EXPECT_EQ(english.text("zorvik::gui", "Z"), "Z"); // a context the table lacks
    EXPECT_EQ(english.text("zorvik::cli", ""), "");
}

} // namespace
} // namespace zorvik::cli
