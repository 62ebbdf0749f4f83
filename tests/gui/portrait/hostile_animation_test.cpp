#include <atomic>
#include <new>
#include <sys/resource.h>

#include <QTest>
#include <QThread>

#include "core/animation/air_file.h"
#include "gui/portrait/animation_switch.h"
#include "gui/portrait/portrait_pane.h"
#include "gui_support/main_window_fixture.h"
#include "support/hostile_animation.h"
#include "support/standing_character.h"

namespace zorvik::test {
namespace {

constexpr int kLoadWait = 20000;

// The largest resident memory this test's process has had, in kB.
long peakKilobytes() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class HostileAnimationBox : public MainWindowFixture {
protected:
    void openWith(const std::string& general) {
        writeSettings("[General]\nFirstRun=0\nMainDir=" + temp.file("chars") + "\nShowStandingAnimation=1\n" + general);
        open();
    }

    gui::PortraitPane& img() const { return *find<gui::PortraitPane>("Img"); }
    gui::AnimationSwitch& animation() const { return img().animation(); }

    bool toolTipSays(const QString& text) const { return img().toolTip().contains(text); }
};

TEST_F(HostileAnimationBox, TheWindowStartsWithHostileCharactersFirstAndShowsEachInItsPaneOnly) {
    // Default boxes times frames, and 60 links to a picture of 4096 x 4096
    // pixels in rows of 2 bytes: each took gigabytes, the first the program.
    temp.makeFolder("chars");
    writeAnimatedCharacter(temp.makeFolder("chars/Boxes"), boxHeavyAir(389 * 1024), linkedNarrowSff(0));
    writeAnimatedCharacter(temp.makeFolder("chars/Links"), spriteRunAir(61), linkedNarrowSff(60));
    addStoredCharacter("Boxes", "Boxes", 0);
    addStoredCharacter("Links", "Links", 0);
    openWith({}); // the first row's animation is read as the window starts
    EXPECT_TRUE(form->isVisible());
    selectRow(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return toolTipSays(QString::number(kMostActionFrames)); }, kLoadWait))
        << img().toolTip().toStdString();
    EXPECT_FALSE(animation().showsFrame());
    selectRow(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation().showsFrame(); }, kLoadWait))
        << img().toolTip().toStdString();
    EXPECT_EQ(animation().player().frames()->frames.size(), 61u);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_LT(peakKilobytes(), 1024 * 1024);
}

TEST_F(HostileAnimationBox, ReadingRunsOffTheGuiThreadAndMemoryRunningOutThereIsThePanesProblem) {
    temp.makeFolder("chars");
    StandingCharacter{}.writeTo(temp.makeFolder("chars/One"));
    addStoredCharacter("One", "One", 0);
    addStoredCharacter("Two", "Two", 0);
    openWith({});
    QThread* const guiThread = QThread::currentThread();
    std::atomic<bool> readOnGuiThread = true;
    animation().loader().setReader([&](const AppSettings&, const CatalogueCharacter&) -> ActionLoad {
        readOnGuiThread = QThread::currentThread() == guiThread;
        throw std::bad_alloc();
    });
    selectRow(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !img().toolTip().isEmpty(); }, kLoadWait));
    EXPECT_FALSE(readOnGuiThread);
    EXPECT_TRUE(toolTipSays(gui::AnimationLoader::tr("メモリが足りません")));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(HostileAnimationBox, AnArchiveThatCannotBeExtractedSaysWhyNotBlamingTheDef) {
    temp.makeFolder("chars");
    temp.write("chars/stander.zip", "PK");
    addStoredCharacter("Stander", "stander.zip", 2);
    openWith("TempDir=" + temp.file("missing") + "\n");
    selectRow(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !img().toolTip().isEmpty(); }, kLoadWait));
    EXPECT_TRUE(toolTipSays(QString::fromStdString(temp.file("missing")))) << img().toolTip().toStdString();
    EXPECT_FALSE(toolTipSays(QStringLiteral(".def")));
}

} // namespace
} // namespace zorvik::test
