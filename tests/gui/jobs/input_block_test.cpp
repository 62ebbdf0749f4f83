#include "gui/jobs/input_block.h"

#include <memory>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "gui_support/modal.h"

namespace zorvik::test {
namespace {

// A window with a button, a text field and a menu item with a shortcut,
// and a dialog of its own that stays open for input.
class InputBlockTest : public ::testing::Test {
protected:
    InputBlockTest() {
        auto* layout = new QVBoxLayout(&window);
        button = new QPushButton(QStringLiteral("button"), &window);
        field = new QLineEdit(&window);
        layout->addWidget(button);
        layout->addWidget(field);
        auto* bar = new QMenuBar(&window);
        item = bar->addMenu(QStringLiteral("menu"))->addAction(QStringLiteral("item"));
        item->setShortcut(Qt::CTRL | Qt::Key_K);
        window.show();
        openButton = new QPushButton(QStringLiteral("open"), &open);
        open.show();
    }

    QWidget window;
    QPushButton* button;
    QLineEdit* field;
    QAction* item;
    QDialog open{&window};
    QPushButton* openButton;
};

TEST_F(InputBlockTest, OnlyTheOpenWindowTakesInputWhileTheBlockLives) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    QSignalSpy triggered(item, &QAction::triggered);
    QSignalSpy openClicked(openButton, &QPushButton::clicked);
    {
        const gui::InputBlock block(open);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClicks(field, QStringLiteral("abc"));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(clicked.count(), 0);
        EXPECT_TRUE(field->text().isEmpty());
        EXPECT_EQ(triggered.count(), 0); // a menu's shortcut belongs to its window
        QTest::mouseClick(openButton, Qt::LeftButton);
        EXPECT_EQ(openClicked.count(), 1);
    }
    // Gone with the block.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClicks(field, QStringLiteral("abc"));
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(field->text(), QStringLiteral("abc"));
    EXPECT_EQ(triggered.count(), 1);
}

TEST_F(InputBlockTest, AClickElsewhereBringsTheOpenWindowForward) {
    const gui::InputBlock block(open);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&open));
}

TEST_F(InputBlockTest, AModalBoxTakesInputAndTheOtherWindowStillCloses) {
    const gui::InputBlock block(open);
    // A message box of the job, over the window the block keeps input from.
    QDialog box(&window);
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    whenModalShows([ok](QWidget*) { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(box.exec(), QDialog::Accepted);

    // The close box is not input: the window hears it.
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace zorvik::test
