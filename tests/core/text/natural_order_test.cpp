#include "core/text/natural_order.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zorvik::text {
namespace {

bool before(const std::string& a, const std::string& b) {
    return compareNaturally(a, b) < 0;
}

TEST(NaturalOrder, NumbersCountByValueLettersIgnoreCaseAndOtherBytesKeepTheirOrder) {
    std::vector<std::string> names = {"whip_10", "Whip_2", "whip_1",  "whip",   "whip_02b",
                                      "ahuron",  "Akuma",  "a10",     "a9",     "a",
                                      "リュウ",  "ケン",   "kfm 100", "kfm 20", ""};
    std::sort(names.begin(), names.end(), before);
    EXPECT_EQ(names, (std::vector<std::string>{"", "a", "a9", "a10", "ahuron", "Akuma", "kfm 20",
                                               "kfm 100", "whip", "whip_1", "Whip_2", "whip_02b",
                                               "whip_10", "ケン", "リュウ"}));
    // Leading zeros and letter case alone do not part two names.
    EXPECT_EQ(compareNaturally("v01", "V1"), 0);
    EXPECT_EQ(compareNaturally("000", "0"), 0);
    // A number longer than any integer still compares by its digits.
    EXPECT_LT(compareNaturally("x99999999999999999999998", "x99999999999999999999999"), 0);
    EXPECT_GT(compareNaturally("x100000000000000000000000", "x99999999999999999999999"), 0);
}

// SQLite sorts with the collation as it is: the order must be total, or a
// sort could loop or lose rows.
TEST(NaturalOrder, IsAntisymmetricAndTransitiveOverMixedTexts) {
    const std::vector<std::string> texts = {"a1", "a01", "A1b", "a1-", "a1/", "a1:", "a-1",
                                            "a",  "1",   "01",  "10",  "9z",  "z9",  ":",
                                            "/",  "_2",  "_10", "é",   "e2",  "E10", ""};
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            EXPECT_EQ(compareNaturally(a, b), -compareNaturally(b, a)) << a << " " << b;
            for (const std::string& c : texts) {
                if (compareNaturally(a, b) <= 0 && compareNaturally(b, c) <= 0) {
                    EXPECT_LE(compareNaturally(a, c), 0) << a << " " << b << " " << c;
                }
            }
        }
    }
}

} // namespace
} // namespace zorvik::text
