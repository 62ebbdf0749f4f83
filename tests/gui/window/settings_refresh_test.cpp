#include <algorithm>

#include <QActionEvent>
#include <QMenu>
#include <QToolButton>

#include "gui/detail/detail_grid_model.h"
#include "gui/detail/detail_pane.h"
#include "gui/list/character_list_pane.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

// Notes each pane's first visible refresh, in the order they come.
class RefreshRecorder : public QObject {
public:
    void note(const std::string& pane) {
        if (std::find(order.begin(), order.end(), pane) == order.end()) {
            order.push_back(pane);
        }
    }

    // The opponents menu gets its items, a tool button its hint.
    void watch(QObject& object, QEvent::Type type, const std::string& pane) {
        watched_.push_back({&object, type, pane});
        object.installEventFilter(this);
    }

    std::vector<std::string> order;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        for (const Watched& entry : watched_) {
            if (entry.object == object && entry.type == event->type()) {
                note(entry.pane);
            }
        }
        return false;
    }

private:
    struct Watched {
        QObject* object;
        QEvent::Type type;
        std::string pane;
    };
    std::vector<Watched> watched_;
};

class SettingsRefresh : public MainWindowFixture {
protected:
    void SetUp() override {
        addCharacter("Ryu");
        open();
        const gui::DetailGridModel& details = find<gui::DetailPane>("DetailPane")->detailTexts();
        QObject::connect(&details, &QAbstractItemModel::dataChanged, &recorder,
                         [this](const QModelIndex& from) {
                             if (from.column() == gui::DetailGridModel::kLabelColumn) {
                                 recorder.note("detail labels");
                             }
                         });
        QObject::connect(&form->listPane(), &gui::CharacterListPane::listRebuilt, &recorder,
                         [this] { recorder.note("list"); });
        recorder.watch(*find<QMenu>("N8"), QEvent::ActionAdded, "opponents menu");
        recorder.watch(*find<QToolButton>("ToolButton3"), QEvent::ToolTipChange, "tool tips");
    }

    RefreshRecorder recorder;
};

// The list's captions and the detail labels both come from the column
// names, and the window's other panes read what the list shows.
TEST_F(SettingsRefresh, ThePanesRefreshInTheirFixedOrderAfterTheDialogsOk) {
    AppSettings changed = form->settings().settings();
    changed.ColumnNames[4] = "名前";
    changed.FighterList = {"kfm"};
    changed.BattleParamA = "-rounds 1";
    form->settings().store(changed);
    EXPECT_EQ(recorder.order,
              (std::vector<std::string>{"detail labels", "list", "opponents menu", "tool tips"}));
    EXPECT_EQ(find<QToolButton>("ToolButton3")->toolTip().toStdString(), "-rounds 1");
    EXPECT_EQ(find<QMenu>("N8")->actions().size(), 1);
}

// A narrower change refreshes only what derives from it.
TEST_F(SettingsRefresh, AnOpponentOrAParameterSetRefreshesOnlyItsOwnPane) {
    form->settings().addFighter("ken");
    EXPECT_EQ(recorder.order, std::vector<std::string>{"opponents menu"});
    form->settings().setDefaultBattleParam(2);
    EXPECT_EQ(recorder.order, std::vector<std::string>{"opponents menu"});
    EXPECT_TRUE(find<QToolButton>("ToolButton5")->isChecked());
    // A set out of range is A, as a damaged Settings.ini's would be.
    form->settings().setDefaultBattleParam(7);
    EXPECT_EQ(form->settings().settings().DefaultBattleParam, 0);
    EXPECT_TRUE(find<QToolButton>("ToolButton3")->isChecked());
}

// The panes and jobs use the settings with relative folders taken from the
// folder of Settings.ini; the dialog and the file keep them as typed.
TEST_F(SettingsRefresh, RelativeFoldersAreUsedFromTheProgramsSettingsFolder) {
    AppSettings changed = form->settings().settings();
    changed.MainDir = "chars";
    changed.MugenExeFile = "mugen/mugen.exe";
    form->settings().store(changed);
    EXPECT_EQ(form->settings().settings().MainDir, "chars");
    EXPECT_EQ(form->settings().inUse().MainDir, programFolder + "/chars");
    EXPECT_EQ(form->settings().inUse().MugenExeFile, programFolder + "/mugen/mugen.exe");
}

} // namespace
} // namespace zorvik::test
