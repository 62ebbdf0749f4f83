#include "core/roster/select_def_rewrite.h"

#include <gtest/gtest.h>

#include "core/roster/select_def_format.h"
#include "core/roster/select_def_line.h"

namespace zorvik {
namespace {

const std::vector<std::string> kNewLines = {"kfm", "ryu/evil.def, random"};

// A merge that keeps every old line except those naming kfm or ryu.
const KeepEntry keepAllButKfmAndRyu = [](std::string_view line) {
    const std::string folder = namedFolderKey(line);
    return folder != "kfm" && folder != "ryu";
};

// The stock file's shape: notes before the section's entries, a comment
// block heading [ExtraStages] after them, Windows line endings.
constexpr std::string_view kStockHead = ";---------------------\r\n"
                                        "; Character and stage selection list\r\n"
                                        "[Characters]\r\n"
                                        ";Insert your characters below.\r\n"
                                        "\r\n";

constexpr std::string_view kStockEntries = "kfm, stages/kfm.def\r\n"
                                           "; my favourites\r\n"
                                           "RandomSelect\r\n"
                                           "Ryu/Ryu.def, order=2\r\n";

constexpr std::string_view kStockTail = "\r\n"
                                        ";---------------------\r\n"
                                        ";Here you add stages\r\n"
                                        "[ExtraStages]\r\n"
                                        "stages/mybg.def\r\n"
                                        "\r\n"
                                        "[Options]\r\n"
                                        "arcade.maxmatches = 6,1,1,0,0,0,0,0,0,0\r\n";

// Appended piece by piece: GCC 12 at -O1 warns falsely (-Warray-bounds) about
// a chain of std::string operator+ on literals.
std::string withStockHeadAndTail(std::string_view entries) {
    std::string file(kStockHead);
    file.append(entries).append(kStockTail);
    return file;
}

const std::string kStockFile = withStockHeadAndTail(kStockEntries);

TEST(SelectDefRewrite, ReplaceKeepsEveryByteOutsideTheEntriesAndTheLineEnding) {
    const SelectDefRewrite rewrite = rewriteSelectDef(kStockFile, kNewLines, {});
    EXPECT_EQ(rewrite.bytes, withStockHeadAndTail("kfm\r\nryu/evil.def, random\r\n"));
    EXPECT_EQ(rewrite.keptEntries, 0u);
}

TEST(SelectDefRewrite, MergeKeepsOtherEntriesAndCommentsInPlaceAndAppendsTheExport) {
    const SelectDefRewrite rewrite = rewriteSelectDef(kStockFile, kNewLines, keepAllButKfmAndRyu);
    EXPECT_EQ(rewrite.bytes, withStockHeadAndTail("; my favourites\r\nRandomSelect\r\n"
                                                  "kfm\r\nryu/evil.def, random\r\n"));
    EXPECT_EQ(rewrite.keptEntries, 1u);
}

TEST(SelectDefRewrite, ShiftJisLinesAreComparedDecodedAndKeptAsBytes) {
    // "; キャラ" and the folder "リュウ" in Shift-JIS.
    const std::string comment = "; \x83\x4C\x83\x83\x83\x89\r\n";
    const std::string ryuLine = "\x83\x8A\x83\x85\x83\x45, random\r\n";
    const std::string file = "[Options]\r\n" + comment + "[Characters]\r\n" + ryuLine + "kfm\r\n";
    std::vector<std::string> seen;
    const SelectDefRewrite rewrite =
        rewriteSelectDef(file, {"kfm"}, [&seen](std::string_view line) {
            seen.emplace_back(line);
            return namedFolderKey(line) != "kfm";
        });
    EXPECT_EQ(seen, (std::vector<std::string>{"リュウ, random", "kfm"}));
    EXPECT_EQ(rewrite.bytes, "[Options]\r\n" + comment + "[Characters]\r\n" + ryuLine + "kfm\r\n");
}

// Where the section starts and ends, and where the new lines go.
struct SectionCase {
    const char* what;
    std::string_view old;
    std::vector<std::string> lines;
    bool merge;
    std::string_view expected;
};

const SectionCase kSectionCases[] = {
    {"LF endings, any header case, a header comment",
     "[characters] ; mine\nold\n[Options]\nx = 1",
     {"kfm"},
     false,
     "[characters] ; mine\nkfm\n[Options]\nx = 1"},
    {"only the first section, after a BOM",
     "\xEF\xBB\xBF[Characters]\nold\n[characters]\nsecond\n",
     {"kfm"},
     false,
     "\xEF\xBB\xBF[Characters]\nkfm\n[characters]\nsecond\n"},
    {"no section: appended",
     "[Options]\r\nx = 1",
     {"kfm"},
     false,
     "[Options]\r\nx = 1\r\n[Characters]\r\nkfm\r\n"},
    {"empty file", "", {"kfm"}, false, "[Characters]\r\nkfm\r\n"},
    {"a header without ending", "[Characters]", {"kfm"}, false, "[Characters]\r\nkfm\r\n"},
    {"a kept entry without ending", "[Characters]\nold", {"kfm"}, true, "[Characters]\nold\nkfm\n"},
    {"no entries: under the header's comments",
     "[Characters]\n;Insert below.\n\n;----\n[ExtraStages]\n",
     {"kfm"},
     false,
     "[Characters]\n;Insert below.\nkfm\n\n;----\n[ExtraStages]\n"},
    {"lone CR endings: lines are found and written with CR",
     "; Mac\r[Characters]\rold\rryu, random\r[Options]\rx = 1\r",
     {"kfm"},
     true,
     "; Mac\r[Characters]\rold\rkfm\r[Options]\rx = 1\r"},
    {"lone CR: a last line without ending gets a CR",
     "[Characters]\rold",
     {"kfm"},
     true,
     "[Characters]\rold\rkfm\r"},
    {"an empty export",
     "[Characters]\n;note\nkfm\nryu\n\n[Options]\n",
     {},
     false,
     "[Characters]\n;note\n\n[Options]\n"},
};

TEST(SelectDefRewrite, TheSectionIsFoundAndTheLinesPlaced) {
    for (const SectionCase& c : kSectionCases) {
        EXPECT_EQ(
            rewriteSelectDef(c.old, c.lines, c.merge ? keepAllButKfmAndRyu : KeepEntry{}).bytes,
            c.expected)
            << c.what;
    }
}

TEST(SelectDefFormat, TheFirstLineEndingIsTheFilesWhicheverItIs) {
    EXPECT_EQ(detectSelectDefFormat("a\r\nb\n").lineEnding, "\r\n");
    EXPECT_EQ(detectSelectDefFormat("a\nb\r\n").lineEnding, "\n");
    EXPECT_EQ(detectSelectDefFormat("a\rb\r").lineEnding, "\r");
    EXPECT_EQ(detectSelectDefFormat("a").lineEnding, "\r\n");
}

TEST(SelectDefFormat, Utf16IsRecognisedByItsMarkOrItsZeros) {
    EXPECT_TRUE(looksLikeUtf16("\xFF\xFE[\0C\0"));
    EXPECT_TRUE(looksLikeUtf16("\xFE\xFF\0[\0C"));
    EXPECT_TRUE(looksLikeUtf16(std::string("[\0C\0h\0a\0r\0\r\0\n\0", 14)));
    EXPECT_TRUE(looksLikeUtf16(std::string("\0[\0C\0h", 6)));
    EXPECT_FALSE(looksLikeUtf16("[Characters]\r\nkfm\r\n"));
    EXPECT_FALSE(looksLikeUtf16(std::string("MZ\0\0\0\0[Options]", 15))); // a binary file
    EXPECT_FALSE(looksLikeUtf16(""));
}

} // namespace
} // namespace zorvik
