#include "gui/portrait/portrait_recapture_action.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <gmock/gmock.h>

#include "core/catalogue/character_records.h"
#include "core/catalogue/columns.h"
#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/portrait_store.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/list/character_list_pane.h"
#include "gui/portrait/portrait_pane.h"
#include "gui/window/right_pane.h"
#include "gui/window/status_bar.h"
#include "gui_support/english_screen.h"
#include "gui_support/main_window_fixture.h"
#include "support/character_fixture.h"

namespace zorvik::test {
namespace {

// A window on three listed characters whose sprite files hold only the
// portrait (9000, 0), with the settings asking for that one: Ken, Kung Fu
// Man and Ryu, whose portrait was replaced from a file.
class RecaptureWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        const std::string characters = temp.makeFolder("chars");
        for (const auto& [folder, name] :
             {std::pair{"kfm", "Kung Fu Man"}, std::pair{"ryu", "Ryu"}, std::pair{"ken", "Ken"}}) {
            DefFields fields;
            fields.name = name;
            temp.write(std::string("chars/") + folder + "/kfm.def", defText(fields));
            temp.write(std::string("chars/") + folder + "/kfm.sff", portraitSff(9000, 0));
        }
        writeSettings("[General]\nFirstRun=0\nMainDir=" + characters + "\nRegisterImage=0\n");
        open();
        form->CallForm31Click(); // RegisterSprite is off: no portraits yet
        ASSERT_EQ(rowCaptions(), (Texts{"Ken", "Kung Fu Man", "Ryu"})); // IDs 1, 2, 3
        Kel_CharacterDb& db = form->characterDb();
        const std::vector<std::uint8_t> chosen = {'h', 'a', 'n', 'd'};
        ASSERT_TRUE(PortraitStore(db).writeById(3, chosen));
        ASSERT_TRUE(PortraitMarks(db).markHandSet(3));
    }

    void trigger() { find<QAction>("Recapture1")->trigger(); }
    // The row's IMAGE; "" for none.
    std::string imageOf(std::int64_t id) {
        return CharacterRecords(form->characterDb())
            .columnText(id, kImageColumn)
            .value_or("<no row>");
    }
};

TEST_F(RecaptureWindow, AsksFirstAndDoesNothingWhenTheUserDeclines) {
    messages.queueAnswer(false);
    trigger();
    ASSERT_EQ(messages.asked().size(), 1u);
    EXPECT_EQ(messages.asked()[0].caption, "確認");
    EXPECT_EQ(messages.asked()[0].text,
              "表示中のキャラクター 3 件のポートレートを、現在の設定 (Group 9000, Image 0) "
              "で取り込み直します。\n"
              "ファイルから差し替えたポートレート 1 件はそのまま残します。\n"
              "画像を取り込めないキャラクターは今のポートレートのままです。\nよろしいですか？");
    EXPECT_EQ(imageOf(2), "");
}

TEST_F(RecaptureWindow, InEnglishTheQuestionCountsInEnglishUnderAnEnglishCaption) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    trigger();
    form->listPane().applySearch({kNameColumn, MatchMode::Contains, "Ken"});
    trigger();
    ASSERT_EQ(messages.asked().size(), 2u);
    EXPECT_EQ(messages.asked()[0].caption, "Confirm");
    EXPECT_EQ(messages.asked()[0].text,
              "The portraits of the 3 characters shown will be recaptured with the current "
              "settings (Group 9000, Image 0).\n"
              "1 portrait replaced from a file stays as it is.\n"
              "Characters whose image cannot be captured keep their current portrait.\n"
              "Do you want to continue?");
    EXPECT_EQ(messages.asked()[1].text,
              "The portrait of the 1 character shown will be recaptured with the current "
              "settings (Group 9000, Image 0).\n"
              "Characters whose image cannot be captured keep their current portrait.\n"
              "Do you want to continue?");
}

TEST_F(RecaptureWindow, RunsThroughTheProgressDialogKeepsHandSetOnesAndReloads) {
    form->listPane().applySearch({kNameColumn, MatchMode::Contains, "u"}); // Kung Fu Man, Ryu
    selectRow(0);
    EXPECT_FALSE(find<gui::PortraitPane>("Img")->HasImage());
    messages.queueAnswer(true);
    QSignalSpy rebuilt(&form->listPane(), &gui::CharacterListPane::listRebuilt);
    QSignalSpy finished(&form->portraitRecapture(),
                        &gui::PortraitRecaptureAction::recaptureFinished);
    trigger();
    EXPECT_THAT(messages.asked().back().text, ::testing::HasSubstr("表示中のキャラクター 2 件"));
    EXPECT_EQ(finished.count(), 1);
    // The job's steps went to its dialog (which a job that ends before the
    // dialog opens never shows, so its label tells, not its showing).
    const auto* step = form->portraitRecapture().dialog().findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(step, nullptr);
    EXPECT_TRUE(step->text().startsWith(QStringLiteral("取り込み中："))) << step->text().toStdString();
    EXPECT_FALSE(form->portraitRecapture().dialog().isVisible());
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_EQ(
        form->statusBar1().panelText(),
        QStringLiteral("ポートレート取り込み直し終了 : 取り込み 1件、 手動設定のため保持 1件、 "
                       "取り込めず 0件、 見つからず 0件"));
    EXPECT_EQ(imageOf(2).substr(0, 4), "\x89PNG");
    EXPECT_EQ(imageOf(3), "hand");
    EXPECT_EQ(imageOf(1), ""); // Ken is not shown with the search
    // The selected row shows its new portrait after the reload.
    selectRow(0);
    EXPECT_TRUE(find<gui::PortraitPane>("Img")->HasImage());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(RecaptureWindow, AnEmptyListIsToldAndNothingRuns) {
    form->listPane().applySearch({kNameColumn, MatchMode::Exact, "nobody"});
    trigger();
    EXPECT_TRUE(messages.asked().empty());
    EXPECT_EQ(messages.shown(),
              std::vector<std::string>{"表示中のリストにキャラクターがありません。"});
}

} // namespace
} // namespace zorvik::test
