#include "gui/platform/file_dialogs.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "gui_support/modal.h"
#include "gui_support/scripted_choosers.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

TEST(FileDialogFilters, WindowsFiltersBecomeQtNameFilters) {
    EXPECT_EQ(gui::qtNameFilters(
                  QStringLiteral("Image|*.bmp;*.png;*.jpg;*.tif;*.emf;*.gif;|all|*.*")),
              (QStringList{QStringLiteral("Image (*.bmp *.png *.jpg *.tif *.emf *.gif)"),
                           QStringLiteral("all (*.*)")}));
    EXPECT_EQ(gui::qtNameFilters(QStringLiteral("全てのファイル(*.*)|*.*")),
              QStringList{QStringLiteral("全てのファイル(*.*) (*.*)")});
    EXPECT_TRUE(gui::qtNameFilters(QString()).isEmpty());
}

// Answers the dialog the way a user does: types a name and presses Enter.
void typeAndAccept(QWidget* modal, const QString& name) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
    static_cast<QDialog*>(dialog)->accept(); // as the Open button does
}

class FileDialogs : public ::testing::Test {
protected:
    TempFolder temp;
    gui::FileDialogs dialogs;
};

TEST_F(FileDialogs, AnAcceptedDialogGivesTheFullPathAndACancelledOneNone) {
    temp.write("engine.exe", "MZ");
    QString title;
    QStringList filters;
    whenModalShows([&](QWidget* modal) {
        title = modal->windowTitle();
        filters = qobject_cast<QFileDialog*>(modal)->nameFilters();
        typeAndAccept(modal, QStringLiteral("engine.exe"));
    });
    const auto chosen = dialogs.chooseFileToOpen(
        nullptr, QStringLiteral("エンジン"), QString::fromStdString(temp.file("nothing")),
        QStringLiteral("exe|*.exe|all|*.*"));
    EXPECT_EQ(chosen, QString::fromStdString(temp.file("engine.exe")));
    EXPECT_EQ(title, QStringLiteral("エンジン"));
    EXPECT_EQ(filters, (QStringList{QStringLiteral("exe (*.exe)"), QStringLiteral("all (*.*)")}));

    whenModalShows([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.chooseFolder(nullptr, {}, QString::fromStdString(temp.path())),
              std::nullopt);
}

TEST_F(FileDialogs, AFolderChooserAndASaveChooserStartWhereTheyAreTold) {
    temp.makeFolder("chars");
    QString startFolder;
    whenModalShows([&](QWidget* modal) {
        startFolder = qobject_cast<QFileDialog*>(modal)->directory().absolutePath();
        typeAndAccept(modal, QStringLiteral("chars"));
    });
    EXPECT_EQ(dialogs.chooseFolder(nullptr, {}, QString::fromStdString(temp.path())),
              QString::fromStdString(temp.file("chars")));
    EXPECT_EQ(startFolder, QString::fromStdString(temp.path()));

    whenModalShows([&](QWidget* modal) { typeAndAccept(modal, QStringLiteral("select.def")); });
    EXPECT_EQ(dialogs.chooseFileToSave(nullptr, {}, QString::fromStdString(temp.file("chars/x")),
                                       QStringLiteral("def|*.def")),
              QString::fromStdString(temp.file("chars/select.def")));
}

TEST_F(FileDialogs, TheFolderChooserOffersNoWayToMakeAFolder) {
    bool readOnly = false;
    bool newFolderOffered = true;
    whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        readOnly = dialog->testOption(QFileDialog::ReadOnly);
        const auto* button = dialog->findChild<QToolButton*>(QStringLiteral("newFolderButton"));
        newFolderOffered = button == nullptr || button->isEnabled();
        dialog->reject();
    });
    EXPECT_EQ(dialogs.chooseFolder(nullptr, {}, QString::fromStdString(temp.path())), std::nullopt);
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(newFolderOffered);
}

TEST(ScriptedChoosers, AnswersInOrderRecordsEveryCallAndCancelsWhenOutOfAnswers) {
    ScriptedChoosers choosers;
    choosers.answer(QStringLiteral("/chars"));
    choosers.cancelNext();
    EXPECT_EQ(choosers.chooseFolder(nullptr, QStringLiteral("t"), QStringLiteral("/start")),
              QStringLiteral("/chars"));
    EXPECT_EQ(choosers.chooseFileToOpen(nullptr, {}, {}, QStringLiteral("a|*.*")), std::nullopt);
    EXPECT_EQ(choosers.chooseFileToSave(nullptr, {}, {}, {}), std::nullopt);
    ASSERT_EQ(choosers.calls().size(), 3u);
    EXPECT_EQ(choosers.calls()[0].start, QStringLiteral("/start"));
    EXPECT_EQ(choosers.calls()[1].filter, QStringLiteral("a|*.*"));
    EXPECT_EQ(choosers.calls()[2].kind, ScriptedChoosers::Kind::FileToSave);
}

} // namespace
} // namespace zorvik::test
