#include "core/settings/line_list.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik {
namespace {

TEST(LineList, ReadsCrLfAndLfAndShiftJis) {
    test::TempFolder temp;
    EXPECT_FALSE(readLineList(temp.file("FighterList")).has_value());
    temp.write("a", "kfm\r\n\r\n\x93\xfa\x96\x7b\nlast");
    EXPECT_EQ(readLineList(temp.file("a")), (std::vector<std::string>{"kfm", "", "日本", "last"}));
}

TEST(LineList, WritesUtf8WithCrLf) {
    test::TempFolder temp;
    ASSERT_TRUE(writeLineList(temp.file("ColumnName"), {"ID", "キャラ名", ""}));
    EXPECT_EQ(test::readFile(temp.file("ColumnName")), "ID\r\nキャラ名\r\n\r\n");
    EXPECT_EQ(readLineList(temp.file("ColumnName"))->size(), 3u);
}

} // namespace
} // namespace zorvik
