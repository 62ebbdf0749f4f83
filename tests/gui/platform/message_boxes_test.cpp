#include "gui/platform/message_boxes.h"

#include <atomic>
#include <thread>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include "gui_support/english_screen.h"
#include "gui_support/modal.h"

namespace zorvik::test {
namespace {

void clickButton(QWidget* widget, QMessageBox::StandardButton which) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    box->button(which)->click();
}

TEST(MessageBoxes, AskOnTheUiThreadReturnsTheUsersAnswer) {
    gui::MessageBoxes messages;
    std::string text;
    whenModalShows([&](QWidget* box) {
        text = qobject_cast<QMessageBox*>(box)->text().toStdString();
        clickButton(box, QMessageBox::Yes);
    });
    EXPECT_TRUE(messages.askYesNo("いいの？", ""));
    EXPECT_EQ(text, "いいの？");
    whenModalShows([](QWidget* box) { clickButton(box, QMessageBox::No); });
    EXPECT_FALSE(messages.askYesNo("真ですか！", ""));
}

TEST(MessageBoxes, InEnglishAQuestionHasItsCaptionAndEnglishButtons) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    gui::MessageBoxes messages;
    QString caption;
    QStringList buttons;
    whenModalShows([&](QWidget* box) {
        caption = box->windowTitle();
        for (const QAbstractButton* button : qobject_cast<QMessageBox*>(box)->buttons()) {
            buttons << button->text();
        }
        clickButton(box, QMessageBox::No);
    });
    EXPECT_FALSE(messages.askYesNo("Recapture the portraits?", "Confirm"));
    EXPECT_EQ(caption, QStringLiteral("Confirm"));
    ASSERT_EQ(buttons.size(), 2);
    for (const QString& text : buttons) {
        EXPECT_FALSE(hasJapanese(text)) << text.toStdString();
    }
}

TEST(MessageBoxes, ACallFromAnotherThreadWaitsForTheAnswerGivenOnTheUiThread) {
    gui::MessageBoxes messages;
    std::atomic<bool> shown{false};
    std::atomic<bool> answer{false};
    std::atomic<bool> done{false};
    whenModalShows([&](QWidget* box) {
        EXPECT_FALSE(shown.load()); // the worker is still waiting in show()
        clickButton(box, QMessageBox::Ok);
        whenModalShows([&](QWidget* next) {
            EXPECT_TRUE(shown.load());
            clickButton(next, QMessageBox::Yes);
        });
    });
    std::thread worker([&] {
        messages.show("BEGIN failed");
        shown = true;
        answer = messages.askYesNo("question", "");
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 5000));
    worker.join();
    EXPECT_TRUE(answer.load());
}

// The core's messages reach the box as values and are worded there, in
// the language the program shows.
TEST(MessageBoxes, ACoreMessageIsWordedInTheLanguageShown) {
    gui::MessageBoxes messages;
    QString text;
    const auto readAndClose = [&](QWidget* box) {
        text = qobject_cast<QMessageBox*>(box)->text();
        clickButton(box, QMessageBox::Ok);
    };
    whenModalShows(readAndClose);
    messages.show(Message::of(MessageKind::UpdateCounts, 3, 0));
    EXPECT_EQ(text, QStringLiteral("更新処理終了 : 新規追加データ 3件、 更新データ 0件でした。"));
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    whenModalShows(readAndClose);
    messages.show(Message::of(MessageKind::UpdateCounts, 3, 0));
    EXPECT_EQ(text, QStringLiteral("Update finished: 3 added, 0 updated."));
}

} // namespace
} // namespace zorvik::test
