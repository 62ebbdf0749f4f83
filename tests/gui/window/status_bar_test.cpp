#include "gui/window/status_bar.h"

#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

#include "gui/window/status_panel.h"

namespace zorvik::gui {
namespace {

QColor centreColour(StatusPanel* panel) {
    const QImage image = panel->grab().toImage();
    return image.pixelColor(image.width() - 10, image.height() / 2);
}

TEST(StatusBar, AMessageFlashesThreeTimesAndThenStaysPlain) {
    StatusBar bar(nullptr);
    bar.resize(400, 19);
    StatusPanel* panel = bar.panel0();
    bar.ShowStatusMessage(QStringLiteral("対戦相手リストに追加しました : kfm"));
    EXPECT_EQ(bar.panelText(), QStringLiteral("対戦相手リストに追加しました : kfm"));
    EXPECT_TRUE(bar.blinkTimer()->isActive());
    EXPECT_EQ(bar.blinkTimer()->interval(), 250);
    std::vector<bool> phases;
    for (int tick = 1; tick <= 6; ++tick) {
        bar.Timer2Timer();
        phases.push_back(panel->isHighlighted());
    }
    EXPECT_EQ(phases, (std::vector<bool>{true, false, true, false, true, false}));
    EXPECT_FALSE(bar.blinkTimer()->isActive());
    EXPECT_EQ(bar.BlinkCount(), 0);
    EXPECT_EQ(centreColour(panel), panel->palette().color(QPalette::Button));
}

TEST(StatusBar, ANewMessageStartsTheBlinkAgainButStartBlinkKeepsThePhase) {
    StatusBar bar(nullptr);
    bar.resize(400, 19);
    bar.ShowStatusMessage(QStringLiteral("first"));
    bar.Timer2Timer();
    EXPECT_EQ(centreColour(bar.panel0()), bar.panel0()->palette().color(QPalette::Highlight));
    bar.ShowStatusMessage(QStringLiteral("second"));
    EXPECT_EQ(bar.BlinkCount(), 0);
    EXPECT_FALSE(bar.panel0()->isHighlighted());
    EXPECT_EQ(bar.panelText(), QStringLiteral("second"));

    bar.Timer2Timer();
    bar.setPanelText(QStringLiteral("更新処理終了"));
    bar.startBlink();
    EXPECT_EQ(bar.BlinkCount(), 1);
    EXPECT_TRUE(bar.blinkTimer()->isActive());
}

// The panel keeps its designed width; what does not fit is in its tip.
TEST(StatusBar, ATextTooLongForThePanelIsShownWholeInItsTip) {
    StatusBar bar(nullptr);
    StatusPanel* panel = bar.panel0();
    bar.setPanelText(QStringLiteral("Results: 3"));
    EXPECT_TRUE(panel->toolTip().isEmpty());
    const QString longText =
        QStringLiteral("Update finished: 1500 new characters, 0 updated, 0 unchanged, 0 failed");
    bar.ShowStatusMessage(longText);
    EXPECT_EQ(panel->toolTip(), longText);
    EXPECT_EQ(panel->width(), 320);
    bar.setPanelText(QStringLiteral("Changes saved."));
    EXPECT_TRUE(panel->toolTip().isEmpty());
}

} // namespace
} // namespace zorvik::gui
