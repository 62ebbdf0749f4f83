#include "gui/jobs/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/jobs/busy_indicator.h"

namespace zorvik::test {
namespace {

template <typename Widget> Widget* child(const gui::TForm3& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

TEST(ProgressDialog, LaidOutAsDesigned) {
    gui::TForm3 dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("更新作業中"));
    EXPECT_EQ(dialog.size(), QSize(429, 94));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(child<QPushButton>(dialog, "Button1")->text(), QStringLiteral("キャンセル(&C)"));
    EXPECT_TRUE(child<QPushButton>(dialog, "Button2")->isHidden());
    EXPECT_EQ(child<QProgressBar>(dialog, "ProgressBar1")->maximum(), 255);
}

TEST(ProgressDialog, EscapeCancelsInsteadOfClosing) {
    gui::TForm3 dialog(nullptr);
    dialog.prepareForUpdate();
    dialog.show();
    EXPECT_TRUE(child<gui::BusyIndicator>(dialog, "Animate1")->isActive());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.cancelFlag().load());
    EXPECT_FALSE(child<QPushButton>(dialog, "Button1")->isEnabled());
    EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(), QStringLiteral("処理停止中……お待ち下さい"));
    dialog.close(); // the close box's way out is closed too
    EXPECT_TRUE(dialog.isVisible());

    // The next update starts with the flag cleared and the button back.
    dialog.closeByUpdate();
    EXPECT_FALSE(dialog.isVisible());
    dialog.prepareForUpdate();
    EXPECT_FALSE(dialog.cancelFlag().load());
    EXPECT_TRUE(child<QPushButton>(dialog, "Button1")->isEnabled());
}

TEST(ProgressDialog, ACloseBeforeTheDialogIsUpEndsTheModalRunAtOnce) {
    gui::TForm3 dialog(nullptr);
    dialog.prepareForUpdate();
    dialog.closeByUpdate();
    dialog.runModal(); // returns without waiting for anyone
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace zorvik::test
