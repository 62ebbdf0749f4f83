#include "core/animation/air_file.h"

#include <gtest/gtest.h>

#include "support/air_writer.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

std::vector<std::size_t> lines(std::initializer_list<std::size_t> numbers) {
    return numbers;
}

TEST(AirReader, ReadsEveryLineForm) {
    const AirDocument air = parseAir(everyLineFormAir());
    EXPECT_TRUE(air.malformedLines.empty());
    ASSERT_EQ(air.actions.size(), 2u);
    const AirAction& stand = air.actions[0];
    EXPECT_EQ(stand.number, 0);
    EXPECT_EQ(stand.headerLine, 3u);
    ASSERT_EQ(stand.frames.size(), 4u);
    EXPECT_EQ(stand.frames[1].x, 2);
    EXPECT_EQ(stand.frames[1].y, -1);
    EXPECT_EQ(stand.frames[1].flip, "H");
    EXPECT_EQ(stand.frames[2].flip, "HV"); // written "vh"
    EXPECT_EQ(stand.frames[2].blend, "AS128D128");
    EXPECT_TRUE(stand.frames[2].loopStart);
    EXPECT_EQ(stand.loopStartIndex(), 2u);
    EXPECT_TRUE(stand.frames[3].holds());
    EXPECT_EQ(stand.frames[3].blend, "A");
    EXPECT_EQ(air.action(5)->frames[0].blend, "A1");
    EXPECT_EQ(air.action(5)->frames[1].blend, "S");
    EXPECT_EQ(air.action(5)->frames[0].flip, "V");
}

TEST(AirReader, CollisionBoxesAreKeptDefaultsForEveryFrameOwnForOne) {
    const AirDocument air = parseAir(everyLineFormAir());
    const AirAction& stand = *air.action(0);
    const std::vector<ClsnBox> defaults{{-13, 0, 16, -79}, {5, -79, -7, -93}};
    EXPECT_EQ(stand.frames[0].clsn2, defaults);
    EXPECT_TRUE(stand.frames[0].clsn1.empty());
    EXPECT_EQ(stand.frames[1].clsn1, (std::vector<ClsnBox>{{10, -60, 40, -50}}));
    EXPECT_EQ(stand.frames[1].clsn2, defaults);
    EXPECT_TRUE(stand.frames[2].clsn1.empty()); // the own boxes were the previous frame's
    EXPECT_EQ(stand.frames[3].clsn2, defaults);
}

TEST(AirReader, LfAndCrLfReadAlikeAndMissingTrailingFieldsAreEmpty) {
    const std::string crlf = everyLineFormAir();
    std::string lf;
    for (const char c : crlf) {
        if (c != '\r') {
            lf += c;
        }
    }
    const AirDocument a = parseAir(crlf);
    const AirDocument b = parseAir(lf);
    ASSERT_EQ(a.actions.size(), b.actions.size());
    EXPECT_EQ(a.actions[0].frames.size(), b.actions[0].frames.size());
    EXPECT_EQ(a.actions[0].frames[0].flip, "");
    EXPECT_EQ(a.actions[0].frames[0].blend, "");
    EXPECT_EQ(b.actions[0].frames[2].blend, "AS128D128");
}

TEST(AirReader, BrokenLinesAreSkippedAndCountedWithTheirNumbers) {
    const std::string text = AirWriter()
                                 .line("0,0, 0,0, 5")          // 1: before any action
                                 .action(0)                    // 2
                                 .line("0,0, 0,0")             // 3: four fields
                                 .line("0,x, 0,0, 5")          // 4: not a number
                                 .line("0,0, 0,0, 5, Q")       // 5: no such flip
                                 .line("0,0, 0,0, 5, , AS1")   // 6: blend without D
                                 .line("Clsn1[0] = 1, 2, 3, 4") // 7: box before its header
                                 .line("40000,0, 0,0, 5")      // 8: group past 16 bits
                                 .line("[Begin Action]")       // 9: no number
                                 .line("1,1, 0,0, 3")          // 10: belongs to no action
                                 .action(1)                    // 11
                                 .line("1,1, 0,0, 3 ; fine")   // 12
                                 .line("Clsn2: x")             // 13: count not a number
                                 .text();
    const AirDocument air = parseAir(text);
    EXPECT_EQ(air.malformedLines, lines({1, 3, 4, 5, 6, 7, 8, 9, 10, 13}));
    EXPECT_TRUE(air.action(0)->frames.empty());
    EXPECT_EQ(air.action(1)->frames.size(), 1u);
}

TEST(AirReader, MissingActionIsToldAndTheFirstOfTwoCounts) {
    const AirDocument air =
        parseAir(AirWriter().action(0).frame(1, 1, 0, 0, 1).action(0).frame(2, 2, 0, 0, 1).text());
    EXPECT_EQ(air.action(7), nullptr);
    ASSERT_NE(air.action(0), nullptr);
    EXPECT_EQ(air.action(0)->frames[0].group, 1);
}

TEST(AirReader, HeadersAndKeywordsInAnyCaseAndSpacing) {
    const AirDocument air = parseAir(AirWriter()
                                         .line("[BEGIN\tACTION\t-3]")
                                         .line("LOOPSTART")
                                         .line("  +1 ,  2 ,-3 , +4 , 7 , hV , a  ")
                                         .line("clsn1default : 1")
                                         .line("CLSN1 [ 0 ] = 1,2,3,4")
                                         .frame(1, 3, 0, 0, 1)
                                         .text("\n"));
    ASSERT_NE(air.action(-3), nullptr);
    const auto& frames = air.action(-3)->frames;
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_TRUE(air.malformedLines.empty());
    EXPECT_TRUE(frames[0].loopStart);
    EXPECT_EQ(frames[0].x, -3);
    EXPECT_EQ(frames[0].y, 4);
    EXPECT_EQ(frames[0].flip, "HV");
    EXPECT_EQ(frames[0].blend, "A");
    EXPECT_EQ(frames[1].clsn1, (std::vector<ClsnBox>{{1, 2, 3, 4}}));
}

TEST(AirReader, NoLoopstartLoopsFromTheFirstFrameAndExtraFieldsAreIgnored) {
    const AirDocument air = parseAir(
        AirWriter().action(0).frame(0, 0, 0, 0, 2).line("0,1, 0,0, 2, , , 1, 1, 45").text());
    ASSERT_EQ(air.action(0)->frames.size(), 2u);
    EXPECT_EQ(air.action(0)->loopStartIndex(), 0u);
    // A Loopstart as the last line marks no frame.
    const AirDocument trailing = parseAir(AirWriter().action(0).frame(0, 0, 0, 0, 2).loopStart().text());
    EXPECT_EQ(trailing.action(0)->loopStartIndex(), 0u);
    EXPECT_FALSE(trailing.action(0)->frames[0].loopStart);
}

TEST(AirReader, ShiftJisCommentsAndByteOrderMarkAreNoTrouble) {
    // 0x5B ('[') and 0x5D (']') occur as second bytes of Shift-JIS characters.
    const std::string text = "\xEF\xBB\xBF[Begin Action 0] ;\x83\x5B\x83\x5D\r\n"
                             "0,0, 0,0, -1 ;\x97\xa7\x82\xbf\r\n"
                             ";\x83\x5B comment\r\n";
    const AirDocument air = parseAir(text);
    EXPECT_TRUE(air.malformedLines.empty());
    ASSERT_NE(air.action(0), nullptr);
    EXPECT_EQ(air.action(0)->frames.size(), 1u);
}

TEST(AirReader, OneActionAloneIsReadWithoutLookingAtTheOthers) {
    const std::string text = AirWriter()
                                 .line("junk before")
                                 .action(5)
                                 .line("broken in another action")
                                 .action(0)
                                 .frame(1, 1, 0, 0, 2)
                                 .action(0)
                                 .frame(2, 2, 0, 0, 2)
                                 .text();
    const AirDocument one = parseAir(text, 0);
    ASSERT_EQ(one.actions.size(), 1u);
    EXPECT_EQ(one.actions[0].frames[0].group, 1);
    EXPECT_TRUE(one.malformedLines.empty());
    EXPECT_EQ(parseAir(text).malformedLines, lines({1, 3}));
    EXPECT_EQ(parseAir(text, 9).action(9), nullptr);
}

TEST(AirReader, DefaultBoxesAreHeldOnceHoweverManyFramesTakeThem) {
    AirWriter writer;
    writer.action(0).line("Clsn2Default: 2").line("Clsn2[0] = 1,2,3,4").line("Clsn2[1] = 5,6,7,8");
    for (int frame = 0; frame < 500; ++frame) {
        writer.frame(0, frame, 0, 0, 1);
    }
    // A box after a frame adds to the defaults of the frames after it.
    writer.line("Clsn2[2] = 9,9,9,9").frame(1, 0, 0, 0, 1);
    const AirDocument air = parseAir(writer.text());
    const auto& frames = air.action(0)->frames;
    ASSERT_EQ(frames.size(), 501u);
    EXPECT_EQ(frames[0].clsn2.boxes().data(), frames[499].clsn2.boxes().data()); // one list
    EXPECT_EQ(frames[499].clsn2, (std::vector<ClsnBox>{{1, 2, 3, 4}, {5, 6, 7, 8}}));
    EXPECT_EQ(frames[500].clsn2, (std::vector<ClsnBox>{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 9, 9, 9}}));
    EXPECT_TRUE(frames[500].clsn1.empty());
}

TEST(AirReader, AnActionPastItsBoundsIsMarkedAndReadNoFurther) {
    AirWriter frames;
    frames.action(0);
    for (std::size_t frame = 0; frame <= kMostActionFrames; ++frame) {
        frames.frame(0, 0, 0, 0, 1);
    }
    frames.line("not a line of any form").action(1).frame(1, 1, 0, 0, 1);
    const AirDocument all = parseAir(frames.text());
    EXPECT_TRUE(all.action(0)->tooLarge);
    EXPECT_EQ(all.action(0)->frames.size(), kMostActionFrames);
    EXPECT_TRUE(all.malformedLines.empty()); // the rest of the action is not looked at
    EXPECT_FALSE(all.action(1)->tooLarge);   // the next action is read as always
    const AirDocument alone = parseAir(frames.text(), 1);
    ASSERT_NE(alone.action(1), nullptr);

    const auto boxes = [](std::size_t count) {
        AirWriter writer;
        writer.action(0).line("Clsn1: 1");
        for (std::size_t box = 0; box < count; ++box) {
            writer.line("Clsn1[0] = 0,0,1,1");
        }
        return parseAir(writer.frame(0, 0, 0, 0, 1).text(), 0);
    };
    EXPECT_FALSE(boxes(kMostClsnBoxes).action(0)->tooLarge);
    EXPECT_EQ(boxes(kMostClsnBoxes).action(0)->frames[0].clsn1.size(), kMostClsnBoxes);
    const AirDocument tooMany = boxes(kMostClsnBoxes + 1);
    EXPECT_TRUE(tooMany.action(0)->tooLarge);
    EXPECT_TRUE(tooMany.action(0)->frames.empty()); // reading stopped at the box past the bound
}

TEST(AirReader, FilesAreCheckedAgainstTheirSize) {
    TempFolder folder;
    EXPECT_FALSE(readAirFile(folder.file("missing.air")));
    EXPECT_FALSE(readAirFile(folder.path())); // a folder is no file
    const auto empty = readAirFile(folder.write("empty.air", ""));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->actions.empty());
    const auto read = readAirFile(folder.write("stand.air", everyLineFormAir()));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->actions.size(), 2u);
}

} // namespace
} // namespace zorvik::test
