#pragma once

#include <functional>
#include <string>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "core/discovery/candidate.h"
#include "gui/roster/roster_export_dialog.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/modal.h"
#include "support/character_fixture.h"

namespace zorvik::test {

// A window over a character folder MainDir and an engine in mugen/, with
// the export dialog driven as a user drives it.
class RosterExportWindow : public MainWindowFixture {
protected:
    void SetUp() override { temp.makeFolder("mugen/data"); }

    void addFolder(const std::string& folder, const std::string& defFile, const std::string& name) {
        DefFields fields;
        fields.name = name;
        temp.write("chars/" + folder + "/" + defFile, defText(fields));
        addStoredCharacter(name, folder, kFolderCharacter);
    }

    void openWindow() {
        writeSettings("[General]\nFirstRun=0\nMainDir=" + temp.file("chars") +
                      "\nMugenExeFile=" + temp.file("mugen/mugen.exe") + "\n");
        open();
    }

    using Answer = std::function<void(gui::RosterExportDialog&)>;

    // Opens the dialog from the ツール menu; answer sets it up and closes it.
    void runDialog(const Answer& answer) {
        whenModalShows([answer](QWidget* modal) {
            auto* dialog = qobject_cast<gui::RosterExportDialog*>(modal);
            ASSERT_NE(dialog, nullptr) << modal->objectName().toStdString();
            answer(*dialog);
        });
        find<QAction>("SelectDef1")->trigger();
    }

    // Sets the dialog up with choose, then clicks 書き出す; afterwards is
    // given the report dialog when the export shows one.
    void exportWith(const Answer& choose, std::function<void(QWidget*)> afterwards = {}) {
        runDialog([choose, afterwards](gui::RosterExportDialog& dialog) {
            choose(dialog);
            if (afterwards) {
                whenModalShows(afterwards);
            }
            button(dialog, "ExportButton")->click();
        });
    }

    template <typename Widget> static Widget* part(const QWidget& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QPushButton* button(const QWidget& dialog, const char* name) {
        return part<QPushButton>(dialog, name);
    }
    static QLineEdit* targetEdit(const QWidget& dialog) {
        return part<QLineEdit>(dialog, "TargetEdit");
    }

    std::string selectDef() const { return temp.file("mugen/data/select.def"); }
};

} // namespace zorvik::test
