#include <QAction>
#include <QTest>
#include <QToolButton>

#include "gui/jobs/progress_dialog.h"
#include "gui/portrait/portrait_pane.h"
#include "gui_support/english_screen.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

// The program in English from before the window is made, over a character
// whose folder has no .air file.
class PortraitInEnglish : public MainWindowFixture {
protected:
    PortraitInEnglish() {
        temp.makeFolder("chars/NoAir");
        temp.write("chars/NoAir/n.def", "[Info]\r\nname = \"N\"\r\n[Files]\r\nsprite = n.sff\r\n");
    }

    void openInEnglish(bool animationOn) {
        ASSERT_TRUE(english.installed());
        writeSettings("[General]\nFirstRun=0\nMainDir=" + temp.file("chars") +
                      "\nShowStandingAnimation=" + (animationOn ? "1" : "0") + "\n");
        open();
    }

    gui::PortraitPane& img() const { return *find<gui::PortraitPane>("Img"); }
    QToolButton& animationSwitch() const { return *find<QToolButton>("AnimationSwitch"); }

    const EnglishScreen english;
};

TEST_F(PortraitInEnglish, ThePaneAndItsAnimationSwitchHaveNoJapaneseCaption) {
    openInEnglish(false);
    const QStringList found = japaneseCaptions(img()) + japaneseCaptions(animationSwitch());
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
    EXPECT_EQ(img().accessibleName(), QStringLiteral("Character portrait"));
    EXPECT_EQ(animationSwitch().toolTip(), QStringLiteral("Standing Animation (M)"));
    EXPECT_EQ(find<gui::TForm3>("RecaptureProgress")->windowTitle(),
              QStringLiteral("Recapturing Portraits"));
}

TEST_F(PortraitInEnglish, WhyTheAnimationCannotBeShownIsToldInEnglish) {
    addStoredCharacter("NoAir", "NoAir", 0);
    openInEnglish(true);
    selectRow(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !img().toolTip().isEmpty(); }, 5000));
    EXPECT_EQ(img().toolTip(), QStringLiteral("Cannot show the standing animation: The .air file "
                                              "is missing or cannot be read"));
}

TEST_F(PortraitInEnglish, RecapturingAnEmptyListSaysSoInEnglish) {
    openInEnglish(false);
    find<QAction>("Recapture1")->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0], "The list shown has no characters.");
    EXPECT_TRUE(messages.asked().empty());
}

} // namespace
} // namespace zorvik::test
