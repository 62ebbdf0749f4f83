#include "core/archive/listing_part.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(ListingPart, ReadsTheNamesAndWhereTheNextPartStarts) {
    auto part = parseListingPart("files: 2\nkfm/kfm.def\nfiles: 9\n");
    ASSERT_TRUE(part);
    EXPECT_EQ(part->names, (std::vector<std::string>{"kfm/kfm.def", "files: 9"}));
    EXPECT_FALSE(part->next);
    part = parseListingPart("files: 1\na.def\nnext: 7\n");
    ASSERT_TRUE(part);
    EXPECT_EQ(part->next, 7u);
    part = parseListingPart("files: 0\n");
    ASSERT_TRUE(part);
    EXPECT_TRUE(part->names.empty());
}

TEST(ListingPart, AnythingElseIsNoListing) {
    for (const char* output : {"", "error: cannot read a.zip\n", "alpha|0x0|l \"a.zip\"",
                               "files: 2\nonly one\n", "files: 1\na\nnext: x\n",
                               "files: 1\na\nnext: 3\nmore\n", "files: 1\n\n", "files: 1\na",
                               "files: 99999999999\n", "files: -1\n"}) {
        EXPECT_FALSE(parseListingPart(output)) << output;
    }
}

} // namespace
} // namespace zorvik
