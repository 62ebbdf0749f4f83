#include <QCheckBox>
#include <QListWidget>

#include "gui_support/roster_export_fixture.h"

namespace zorvik::test {
namespace {

// Replace keeps the engine's random-select slots; leaving out broken
// characters drops those the check finds broken and those that name no
// sprite file, each listed with what is missing.
TEST_F(RosterExportWindow, ReplaceKeepsRandomSelectAndBrokenCharactersCanBeLeftOut) {
    for (const auto& [folder, sprite] : std::vector<std::pair<std::string, std::string>>{
             {"kfm", "kfm.sff"}, {"broken", "gone.sff"}, {"blank", ""}}) {
        DefFields fields;
        fields.name = folder;
        fields.sprite = sprite;
        temp.write("chars/" + folder + "/" + folder + ".def", defText(fields));
        temp.write("chars/" + folder + "/kfm.cmd", "");
        addStoredCharacter(folder, folder, kFolderCharacter);
    }
    temp.write("chars/kfm/KFM.SFF", "sprites"); // found ignoring case, as the engine finds it
    temp.write("mugen/data/select.def",
               "[Characters]\r\nrandomselect\r\nold\r\n; a note\r\nRandomSelect, stages/x.def\r\n");
    openWindow();
    QStringList broken;
    exportWith(
        [](gui::RosterExportDialog& dialog) {
            EXPECT_FALSE(part<QCheckBox>(dialog, "LeaveOutBrokenBox")->isChecked());
            part<QCheckBox>(dialog, "LeaveOutBrokenBox")->click();
        },
        [&broken](QWidget* report) {
            const auto* list = part<QListWidget>(*report, "BrokenList");
            for (int row = 0; list != nullptr && row < list->count(); ++row) {
                broken << list->item(row)->text();
            }
            report->close();
        });
    EXPECT_EQ(readFile(selectDef()),
              "[Characters]\r\nrandomselect\r\nRandomSelect, stages/x.def\r\nkfm\r\n");
    EXPECT_EQ(broken, (QStringList{QStringLiteral("broken (broken) : sprite = gone.sff"),
                                   QStringLiteral("blank (blank) : sprite")}));
    // Without the choice every folder with a .def is written, as before.
    exportWith([](gui::RosterExportDialog& dialog) {
        EXPECT_TRUE(part<QCheckBox>(dialog, "LeaveOutBrokenBox")->isChecked()); // offered again
        part<QCheckBox>(dialog, "LeaveOutBrokenBox")->click();
    });
    EXPECT_EQ(readFile(selectDef()), "[Characters]\r\nrandomselect\r\nRandomSelect, "
                                     "stages/x.def\r\nkfm\r\nbroken\r\nblank\r\n");
}

} // namespace
} // namespace zorvik::test
