#include "gui/platform/termination_signals.h"

#include <csignal>

#include <QAbstractButton>
#include <QDialog>
#include <QTest>

#include "gui/detail/detail_grid_model.h"
#include "gui/detail/detail_pane.h"
#include "gui/platform/message_boxes.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/modal.h"

namespace zorvik::test {
namespace {

using TerminationSignals = MainWindowFixture;

class TerminationSignal : public MainWindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(TerminationSignal, CloseTheWindowWithItsSettingsSaved) {
    open();
    gui::TerminationSignals handlers(*form);
    ASSERT_TRUE(handlers.isActive());
    ASSERT_EQ(std::raise(GetParam()), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(TermAndInt, TerminationSignal, ::testing::Values(SIGTERM, SIGINT));

TEST_F(TerminationSignals, ATerminationSignalAlsoDismissesAnOpenModalBox) {
    open();
    gui::TerminationSignals handlers(*form);
    whenModalShows([](QWidget*) { std::raise(SIGTERM); });
    QDialog box(form.get());
    EXPECT_EQ(box.exec(), QDialog::Rejected);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

TEST_F(TerminationSignals, ASignalDuringTheFirstRunMessageClosesTheWindowAfterItsShow) {
    gui::MessageBoxes boxes;
    gui::TForm1 window(boxes, shell, choosers, folders());
    gui::TerminationSignals handlers(window);
    whenModalShows([](QWidget*) { std::raise(SIGINT); });
    window.show(); // the first-run message is up inside this call
    // As in the program: the event loop must end because its last window closed.
    bool timedOut = false;
    QTimer::singleShot(5000, [&] {
        timedOut = true;
        QApplication::quit();
    });
    QApplication::exec();
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(window.isVisible());
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

// With edits not yet written a signal brings the save question; a second
// one dismisses it, as it dismisses any box, and the window closes.
TEST_F(TerminationSignals, TheSaveQuestionComesUpAndASecondSignalEndsIt) {
    addCharacter("Ryu");
    writeSettings("[General]\nFirstRun=0\n");
    gui::MessageBoxes boxes;
    gui::TForm1 window(boxes, shell, choosers, folders());
    window.show();
    gui::TerminationSignals handlers(window);
    gui::DetailGridModel& values = window.findChild<gui::DetailPane*>()->detailTexts();
    values.setData(values.index(7, gui::DetailGridModel::kValueColumn), QStringLiteral("a note"),
                   Qt::EditRole);
    QStringList buttons;
    whenModalShows([&](QWidget* box) {
        for (const QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
            buttons << button->text();
        }
        std::raise(SIGTERM);
    });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QStringLiteral("キャンセル"), QStringLiteral("保存"),
                                    QStringLiteral("破棄")}));
    EXPECT_EQ(values.DetailValues()[7], "");
}

TEST_F(TerminationSignals, OnlyOneSetOfHandlersAtATimeAndTheyAreRemovedAfterwards) {
    open();
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    {
        gui::TerminationSignals first(*form);
        gui::TerminationSignals second(*form);
        EXPECT_TRUE(first.isActive());
        EXPECT_FALSE(second.isActive());
    }
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
} // namespace zorvik::test
