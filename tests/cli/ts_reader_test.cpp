#include "cli/ts_table/ts_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zorvik::cli {

void PrintTo(const TsEntry& entry, std::ostream* out) {
    *out << "{" << entry.context << ", " << entry.source << ", " << entry.translation << "}";
}

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string tsFile(const std::string& contexts) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
           "<TS version=\"2.1\" language=\"en\" sourcelanguage=\"ja\">\n" +
           contexts + "</TS>\n";
}

std::string message(const std::string& source, const std::string& translation) {
    return "    <message>\n        <source>" + source + "</source>\n        " + translation +
           "\n    </message>\n";
}

std::string context(const std::string& name, const std::string& messages) {
    return "<context>\n    <name>" + name + "</name>\n" + messages + "</context>\n";
}

std::vector<TsEntry> read(const std::string& xml) {
    std::string error;
    const auto entries = readTsEntries(xml, error);
    EXPECT_TRUE(entries) << error;
    return entries.value_or(std::vector<TsEntry>{});
}

std::string refusal(const std::string& xml) {
    std::string error;
    EXPECT_FALSE(readTsEntries(xml, error)) << xml;
    return error;
}

TEST(TsReader, ResolvesEntitiesAndKeepsLineBreaks) {
    const auto entries = read(tsFile(
        context("zorvik::cli",
                message("&lt;a&gt; &amp;&#12354;&#x30A2;",
                        "<translation>&lt;a&gt; &amp; &quot;&apos;&#65;&#x42;</translation>") +
                    message("一行目\n二行目", "<translation>first\nsecond\n</translation>") +
                    message("タブ", "<translation>a<byte value=\"x9\"/>b</translation>"))));
    EXPECT_THAT(entries, ElementsAre(TsEntry{"zorvik::cli", "<a> &あア", "<a> & \"'AB"},
                                     TsEntry{"zorvik::cli", "タブ", "a\tb"},
                                     TsEntry{"zorvik::cli", "一行目\n二行目", "first\nsecond\n"}));
}

TEST(TsReader, LeavesOutWhatALookupCannotUse) {
    const auto entries = read(tsFile(context(
        "c", message("未完", "<translation type=\"unfinished\">half</translation>") +
                 message("消滅", "<translation type=\"vanished\">gone</translation>") +
                 message("廃止", "<translation type=\"obsolete\">old</translation>") +
                 message("空", "<translation></translation>") + message("訳なし", "") +
                 "    <message numerus=\"yes\">\n        <source>%n件</source>\n"
                 "        <translation><numerusform>%n item</numerusform></translation>\n"
                 "    </message>\n"
                 "    <message>\n        <source>開く</source>\n        <comment>verb</comment>\n"
                 "        <translation>Open</translation>\n    </message>\n" +
                 message("長さ", "<translation><lengthvariant>long</lengthvariant>"
                                 "<lengthvariant>short</lengthvariant></translation>") +
                 message("完了", "<translation type=\"finished\">done</translation>") +
                 message("保存", "<translation>Save</translation>"))));
    EXPECT_THAT(entries, ElementsAre(TsEntry{"c", "保存", "Save"}, TsEntry{"c", "完了", "done"}));
}

TEST(TsReader, SortsByContextThenSourceInByteOrder) {
    const auto entries =
        read(tsFile(context("b", message("x", "<translation>1</translation>")) +
                    context("a", message("é", "<translation>2</translation>") +
                                     message("Z", "<translation>3</translation>") +
                                     message("a", "<translation>4</translation>"))));
    EXPECT_THAT(entries, ElementsAre(TsEntry{"a", "Z", "3"}, TsEntry{"a", "a", "4"},
                                     TsEntry{"a", "é", "2"}, TsEntry{"b", "x", "1"}));
}

// The whole program's .ts is read at every build of the companion.
TEST(TsReader, ReadsALargeFileInLinearTime) {
    std::string messages;
    for (int i = 0; i < 20000; ++i) {
        messages += message("文" + std::to_string(i), "<translation>text</translation>");
    }
    EXPECT_EQ(read(tsFile(context("c", messages))).size(), 20000u);
    EXPECT_THAT(refusal(tsFile(context("c", messages + message("&x;", "")))),
                HasSubstr("line 80007: bad entity"));
}

TEST(TsReader, RefusesAMalformedFileNamingTheLine) {
    const std::string good = message("a", "<translation>b</translation>");
    const std::string whole = tsFile(context("c", good));
    EXPECT_THAT(refusal(whole.substr(0, whole.rfind("</TS>"))), HasSubstr("<TS> is not closed"));
    EXPECT_THAT(refusal(tsFile(context("c", message("a", "<translation>b</translatio>")))),
                HasSubstr("line 8: </translatio> closes <translation>"));
    EXPECT_THAT(refusal(tsFile(context("c", message("&nbsp;", "")))), HasSubstr("bad entity"));
    EXPECT_THAT(refusal(tsFile(context("c", message("&#0;", "")))), HasSubstr("bad entity"));
    EXPECT_THAT(refusal(tsFile(context("c", message("&#xD800;", "")))), HasSubstr("bad entity"));
    EXPECT_THAT(refusal(tsFile(context("c", message("a & b", "")))), HasSubstr("bad entity"));
    EXPECT_THAT(refusal(tsFile("<context><message><source>a</source></message></context>")),
                HasSubstr("<context> without <name>"));
    EXPECT_THAT(refusal(tsFile(context("c", "<message><translation>b</translation></message>"))),
                HasSubstr("<message> without <source>"));
    EXPECT_THAT(refusal(tsFile(context("c", good + good))), HasSubstr("two translations"));
    EXPECT_THAT(refusal("<html></html>"), HasSubstr("not <TS>"));
    EXPECT_THAT(refusal(""), HasSubstr("no element"));
    EXPECT_THAT(refusal(tsFile("") + "<TS></TS>"), HasSubstr("after the document"));
    EXPECT_THAT(refusal("<TS version=2.1></TS>"), HasSubstr("no quoted value"));
    EXPECT_THAT(refusal("<!-- never closed <TS></TS>"), HasSubstr("unterminated comment"));
}

} // namespace
} // namespace zorvik::cli
