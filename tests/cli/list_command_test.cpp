#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "support/character_fixture.h"

namespace zorvik::test {
namespace {

using ::testing::HasSubstr;

// The companion's list over a character folder with group folders.
class ListCommand : public ::testing::Test, public CliSandbox {};

// Version dates as authors write them sort by the date they stand for, the
// stored text unchanged; names sort with their numbers by value; FILENAME
// tells two characters of one name apart.
TEST_F(ListCommand, SortsDatesByDateAndNamesNaturallyAndPrintsTheColumnsAsked) {
    const std::vector<std::pair<std::string, std::string>> dated = {{"kfm", "04,14,2002"},
                                                                    {"whip_10", "12,31,1999"},
                                                                    {"whip_2", "unknown"},
                                                                    {"Capcom/kfm", "01,02,2003"}};
    for (const auto& [folder, date] : dated) {
        DefFields fields;
        fields.versionDate = date;
        root.write("chars/" + folder + "/kfm.def", defText(fields));
    }
    ASSERT_EQ(run({"update", "--main-dir", characters, "--subfolders", "1"}).exitCode, 0);
    const auto rows = [this](const std::vector<std::string>& options) {
        std::vector<std::string> words = {"list", "--columns", "FILENAME,update_date"};
        words.insert(words.end(), options.begin(), options.end());
        const CliRun listed = run(words);
        EXPECT_EQ(listed.exitCode, 0) << listed.err;
        std::vector<std::string> lines;
        std::istringstream out(listed.out);
        for (std::string line; std::getline(out, line);) {
            lines.push_back(line.substr(line.find('\t') + 1)); // without the ID
        }
        return lines;
    };
    EXPECT_EQ(
        rows({"--sort", "UPDATE_DATE"}),
        (std::vector<std::string>{"FILENAME\tUPDATE_DATE", "whip_10\t12,31,1999", "kfm\t04,14,2002",
                                  "Capcom/kfm\t01,02,2003", "whip_2\tunknown"}));
    // Newest first, and what is no date still last.
    EXPECT_EQ(
        rows({"--sort", "9", "--desc"}),
        (std::vector<std::string>{"FILENAME\tUPDATE_DATE", "Capcom/kfm\t01,02,2003",
                                  "kfm\t04,14,2002", "whip_10\t12,31,1999", "whip_2\tunknown"}));
    EXPECT_EQ(
        rows({"--sort", "FILENAME"}),
        (std::vector<std::string>{"FILENAME\tUPDATE_DATE", "Capcom/kfm\t01,02,2003",
                                  "kfm\t04,14,2002", "whip_2\tunknown", "whip_10\t12,31,1999"}));
    const CliRun bad = run({"list", "--columns", "NAME,SHOE_SIZE"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_THAT(bad.err, HasSubstr("SHOE_SIZE"));
    EXPECT_EQ(run({"list", "--columns", "NAME,IMAGE"}).exitCode, 2);
}

} // namespace
} // namespace zorvik::test
