#include "gui/app/program_icon.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace zorvik::gui {
namespace {

// The icon is built into the program: a missing resource would leave the
// window and the task bar without one, silently.
TEST(ProgramIcon, HoldsTheThreeDrawnSizesFromTheProgramsResources) {
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {48, 128, 256}) {
        const QString resource = QStringLiteral(":/icons/org.zorvik.Zorvik-%1.png").arg(size);
        ASSERT_TRUE(QFile::exists(resource)) << resource.toStdString();
        EXPECT_EQ(QImage(resource).size(), QSize(size, size));
        EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }
}

} // namespace
} // namespace zorvik::gui
