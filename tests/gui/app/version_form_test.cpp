#include "gui/app/version_form.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "gui_support/main_window_fixture.h"
#include "gui_support/modal.h"

namespace zorvik::test {
namespace {

using AboutBox = MainWindowFixture;

TEST_F(AboutBox, OpensModallyFromTheHelpMenuAndItsButtonClosesIt) {
    open();
    std::string caption;
    std::vector<std::string> texts;
    whenModalShows([&](QWidget* box) {
        caption = box->windowTitle().toStdString();
        texts.push_back(box->findChild<QLabel*>(QStringLiteral("Label1"))->text().toStdString());
        texts.push_back(box->findChild<QLabel*>(QStringLiteral("Memo1"))->text().toStdString());
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().size(),
                  QSize(240, 175));
        auto* memo = box->findChild<QLabel*>(QStringLiteral("Memo1"));
        emit memo->linkActivated(QString::fromLatin1(gui::TVersionForm::kWebSite));
        auto* button = box->findChild<QPushButton*>(QStringLiteral("Button1"));
        EXPECT_EQ(button->text().toStdString(), "わかった、もういい");
        button->click();
    });
    find<QAction>("V1")->trigger(); // returns when the box has closed
    EXPECT_EQ(caption, "Zorvikについて");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Zorvik");
    EXPECT_EQ(texts[1].rfind("Version = 1.0.0<br>", 0), 0u);
    EXPECT_NE(texts[1].find("Zorvik プロジェクト"), std::string::npos);
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0].toString().toStdString(), gui::TVersionForm::kWebSite);
    EXPECT_TRUE(form->findChildren<gui::TVersionForm*>().isEmpty()); // destroyed after closing
}

} // namespace
} // namespace zorvik::test
