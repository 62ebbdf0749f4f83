#include "gui/portrait/animation_switch.h"

#include <QTest>
#include <QToolButton>

#include "gui/portrait/portrait_pane.h"
#include "gui_support/main_window_fixture.h"
#include "support/pcx_writer.h"
#include "support/sff_writer.h"
#include "support/standing_character.h"

namespace zorvik::test {
namespace {

constexpr int kLoadWait = 5000;

class StandingAnimationBox : public MainWindowFixture {
protected:
    StandingAnimationBox() {
        temp.makeFolder("chars");
        StandingCharacter{}.writeTo(temp.makeFolder("chars/One"));
        StandingCharacter two;
        two.version = 2;
        two.writeTo(temp.makeFolder("chars/Two"));
        temp.makeFolder("chars/NoAir");
        temp.write("chars/NoAir/n.def", "[Info]\r\nname = \"N\"\r\n[Files]\r\nsprite = n.sff\r\n");
        addStoredCharacter("One", "One", 0);
        addStoredCharacter("Two", "Two", 0);
        addStoredCharacter("NoAir", "NoAir", 0);
    }

    void openWith(bool on) {
        writeSettings("[General]\nMainDir=" + temp.file("chars") +
                      "\nShowStandingAnimation=" + (on ? "1" : "0") + "\n");
        open();
    }

    gui::PortraitPane& img() const { return *find<gui::PortraitPane>("Img"); }
    gui::AnimationSwitch& animation() const { return img().animation(); }
    QToolButton& button() const { return *find<QToolButton>("AnimationSwitch"); }

    // The box as painted, over nothing.
    QImage painted() const {
        QImage canvas(img().size(), QImage::Format_ARGB32);
        canvas.fill(Qt::black);
        img().render(&canvas);
        return canvas;
    }

    // Where the box shows colour.
    QRect areaOf(QColor colour) const {
        const QImage canvas = painted();
        QRect area;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (canvas.pixelColor(x, y) == colour) {
                    area |= QRect(x, y, 1, 1);
                }
            }
        }
        return area;
    }
};

TEST_F(StandingAnimationBox, PlaysTheSelectedCharactersAction0AndRestartsOnAnotherRow) {
    openWith(true);
    EXPECT_TRUE(button().isChecked());
    selectRow(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation().showsFrame(); }, kLoadWait));
    const gui::AnimationFrames* one = animation().player().frames();
    EXPECT_EQ(one->frames[0].size(), QSize(6, 7)); // the union of the three frames
    EXPECT_EQ(one->ground, QPoint(2, 4));
    // Colour 1 of the .act at the first frame's (1, 1), drawn unscaled on the box's bottom edge.
    const QColor act1(1, 254, 128);
    EXPECT_EQ(areaOf(act1).size(), QSize(1, 1));
    EXPECT_TRUE(img().toolTip().isEmpty());
    // The clock runs: after its 9 ticks the held frame stays.
    EXPECT_TRUE(QTest::qWaitFor([&] { return animation().player().currentFrame() == &one->frames[2]; }, 2000));

    selectRow(1);
    EXPECT_EQ(animation().player().frames(), nullptr); // the first character's frames are gone
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation().showsFrame(); }, kLoadWait));
    EXPECT_EQ(animation().player().currentFrame(), &animation().player().frames()->frames[0]);
    EXPECT_EQ(areaOf(QColor(1, 254, 7)).size(), QSize(1, 1)); // version 2: its own palette
}

TEST_F(StandingAnimationBox, CharacterWithoutAnimationKeepsItsPortraitAndSaysWhy) {
    openWith(true);
    selectRow(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !img().toolTip().isEmpty(); }, kLoadWait));
    EXPECT_TRUE(img().toolTip().contains(QStringLiteral(".air")));
    EXPECT_FALSE(animation().showsFrame());
    selectRow(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation().showsFrame(); }, kLoadWait));
    EXPECT_TRUE(img().toolTip().isEmpty());
}

TEST_F(StandingAnimationBox, TheSwitchAndKeyMAreRememberedInSettings) {
    openWith(false);
    selectRow(0);
    EXPECT_FALSE(animation().showsFrame());
    img().setFocus();
    QTest::keyClick(&img(), Qt::Key_M);
    EXPECT_TRUE(button().isChecked());
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation().showsFrame(); }, kLoadWait));
    button().click();
    EXPECT_FALSE(animation().showsFrame());
    QTest::keyClick(&img(), Qt::Key_M);
    form->close();
    EXPECT_NE(settingsText().find("ShowStandingAnimation=1"), std::string::npos);
    EXPECT_FALSE(button().accessibleName().isEmpty());
}

TEST_F(StandingAnimationBox, PlayerStopsWhileTheWindowIsHiddenOrMinimised) {
    openWith(true);
    selectRow(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation().player().isRunning(); }, kLoadWait));
    form->hide();
    EXPECT_FALSE(animation().player().isRunning());
    const std::uint64_t stopped = animation().player().tick();
    QTest::qWait(100);
    EXPECT_EQ(animation().player().tick(), stopped);
    form->show();
    EXPECT_TRUE(animation().player().isRunning());
    EXPECT_GE(animation().player().tick(), stopped); // goes on where it stopped
    form->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !animation().player().isRunning(); }));
    form->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return animation().player().isRunning(); }));
}

TEST_F(StandingAnimationBox, LargeFramesAreScaledDownKeepingTheirProportions) {
    PcxPicture big{600, 300, std::vector<std::uint8_t>(600 * 300, 5), distinctPalette()};
    SffFile file;
    file.subfiles.push_back(SffSubfile::sprite(0, 0, big.pcx()));
    temp.write("chars/Big/b.sff", file.bytes());
    temp.write("chars/Big/b.air", "[Begin Action 0]\r\n0,0, 0,0, -1\r\n");
    temp.write("chars/Big/b.def", "[Info]\r\nname = \"B\"\r\n[Files]\r\nsprite = b.sff\r\nanim = b.air\r\n");
    addStoredCharacter("Big", "Big", 0);
    openWith(true);
    selectRow(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation().showsFrame(); }, kLoadWait));
    // 600 x 300 into 289 x 140: scaled by 140 / 300 to 280 x 140.
    const QRect drawn = areaOf(QColor(5, 250, 35));
    EXPECT_NEAR(drawn.width(), 280, 2);
    EXPECT_NEAR(drawn.height(), 140, 1);
    EXPECT_EQ(drawn.bottom(), 139);
}

} // namespace
} // namespace zorvik::test
