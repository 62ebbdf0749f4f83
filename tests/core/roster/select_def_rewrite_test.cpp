#include "core/roster/select_def_rewrite.h"

#include <gtest/gtest.h>

#include "core/roster/select_def_line.h"

namespace zorvik {
namespace {

const std::vector<std::string> kNewLines = {"kfm", "ryu/evil.def, random"};

// A merge that keeps every old line except those naming kfm or ryu.
const KeepEntry keepAllButKfmAndRyu = [](std::string_view line) {
    const std::string folder = namedFolderKey(line);
    return folder != "kfm" && folder != "ryu";
};

// The stock file's shape: notes before and after the section, a comment
// block heading [ExtraStages], Windows line endings.
constexpr std::string_view kStockFile = ";---------------------\r\n"
                                        "; Character and stage selection list\r\n"
                                        "[Characters]\r\n"
                                        ";Insert your characters below.\r\n"
                                        "\r\n"
                                        "kfm, stages/kfm.def\r\n"
                                        "; my favourites\r\n"
                                        "RandomSelect\r\n"
                                        "Ryu/Ryu.def, order=2\r\n"
                                        "\r\n"
                                        ";---------------------\r\n"
                                        ";Here you add stages\r\n"
                                        "[ExtraStages]\r\n"
                                        "stages/mybg.def\r\n"
                                        "\r\n"
                                        "[Options]\r\n"
                                        "arcade.maxmatches = 6,1,1,0,0,0,0,0,0,0\r\n";

constexpr std::string_view kStockHead = ";---------------------\r\n"
                                        "; Character and stage selection list\r\n"
                                        "[Characters]\r\n"
                                        ";Insert your characters below.\r\n"
                                        "\r\n";

constexpr std::string_view kStockTail = "\r\n"
                                        ";---------------------\r\n"
                                        ";Here you add stages\r\n"
                                        "[ExtraStages]\r\n"
                                        "stages/mybg.def\r\n"
                                        "\r\n"
                                        "[Options]\r\n"
                                        "arcade.maxmatches = 6,1,1,0,0,0,0,0,0,0\r\n";

TEST(SelectDefRewrite, ReplaceKeepsEveryByteOutsideTheEntriesAndTheLineEnding) {
    const SelectDefRewrite rewrite = rewriteSelectDef(kStockFile, kNewLines, {});
    EXPECT_EQ(rewrite.bytes, std::string(kStockHead) + "kfm\r\nryu/evil.def, random\r\n" +
                                 std::string(kStockTail));
    EXPECT_EQ(rewrite.keptEntries, 0u);
}

TEST(SelectDefRewrite, MergeKeepsOtherEntriesAndCommentsInPlaceAndAppendsTheExport) {
    const SelectDefRewrite rewrite = rewriteSelectDef(kStockFile, kNewLines, keepAllButKfmAndRyu);
    EXPECT_EQ(rewrite.bytes, std::string(kStockHead) +
                                 "; my favourites\r\nRandomSelect\r\n"
                                 "kfm\r\nryu/evil.def, random\r\n" +
                                 std::string(kStockTail));
    EXPECT_EQ(rewrite.keptEntries, 1u);
}

TEST(SelectDefRewrite, LinuxLineEndingsAndAnyHeaderCaseAreKept) {
    const std::string file = "[characters] ; mine\nold\n[Options]\nx = 1";
    EXPECT_EQ(rewriteSelectDef(file, kNewLines, {}).bytes,
              "[characters] ; mine\nkfm\nryu/evil.def, random\n[Options]\nx = 1");
}

TEST(SelectDefRewrite, OnlyTheFirstCharactersSectionIsRewritten) {
    const std::string file = "\xEF\xBB\xBF[Characters]\nold\n[characters]\nsecond\n";
    EXPECT_EQ(rewriteSelectDef(file, {"kfm"}, {}).bytes,
              "\xEF\xBB\xBF[Characters]\nkfm\n[characters]\nsecond\n");
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

TEST(SelectDefRewrite, AMissingSectionIsAppendedAfterALastLineWithoutEnding) {
    EXPECT_EQ(rewriteSelectDef("[Options]\r\nx = 1", {"kfm"}, {}).bytes,
              "[Options]\r\nx = 1\r\n[Characters]\r\nkfm\r\n");
    EXPECT_EQ(rewriteSelectDef("", {"kfm"}, {}).bytes, "[Characters]\r\nkfm\r\n");
    EXPECT_EQ(rewriteSelectDef("[Characters]", {"kfm"}, {}).bytes, "[Characters]\r\nkfm\r\n");
    EXPECT_EQ(rewriteSelectDef("[Characters]\nold", {"kfm"}, keepAllButKfmAndRyu).bytes,
              "[Characters]\nold\nkfm\n");
}

TEST(SelectDefRewrite, ASectionWithoutEntriesTakesTheLinesUnderItsHeaderComments) {
    const std::string file = "[Characters]\n;Insert below.\n\n;----\n[ExtraStages]\n";
    EXPECT_EQ(rewriteSelectDef(file, {"kfm"}, {}).bytes,
              "[Characters]\n;Insert below.\nkfm\n\n;----\n[ExtraStages]\n");
}

TEST(SelectDefRewrite, AnEmptyExportEmptiesTheSectionOnReplace) {
    EXPECT_EQ(rewriteSelectDef("[Characters]\n;note\nkfm\nryu\n\n[Options]\n", {}, {}).bytes,
              "[Characters]\n;note\n\n[Options]\n");
}

} // namespace
} // namespace zorvik
