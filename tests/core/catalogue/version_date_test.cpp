#include "core/catalogue/version_date.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(VersionDate, TheEnginesFormAndItsCommonVariantsReadAsDates) {
    EXPECT_EQ(versionDateKey("04,14,2002"), 20020414);
    EXPECT_EQ(versionDateKey(" 4,1,2002 "), 20020401);
    EXPECT_EQ(versionDateKey("04/14/2002"), 20020414);
    EXPECT_EQ(versionDateKey("04, 14, 2002"), 20020414);
    EXPECT_EQ(versionDateKey("2010.12.31"), 20101231);
    EXPECT_EQ(versionDateKey("2010-1-2"), 20100102);
    EXPECT_EQ(versionDateKey("14.04.2002"), 20020414); // no 14th month: day first
    EXPECT_EQ(versionDateKey("12,31,99"), 19991231);
    EXPECT_EQ(versionDateKey("01,02,03"), 20030102);
}

TEST(VersionDate, AnythingElseIsNoDate) {
    for (const char* text : {"", "   ", "unknown", "1.0", "04,14", "04,14,2002,1", "04,14,2002a",
                             "v04,14,2002", "13,13,2002", "00,10,2002", "10,32,2002", "04,14,20021",
                             "04,14,200", "04,,", ",04,14,2002", "99999,1,1", "4 14 2002 beta"}) {
        EXPECT_EQ(versionDateKey(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace zorvik
