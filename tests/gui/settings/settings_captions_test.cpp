#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "gui_support/settings_dialog_fixture.h"

namespace zorvik::test {
namespace {

// Object name and caption of a control.
struct Caption {
    const char* objectName;
    const char* text;
};

class SettingsCaptions : public SettingsDialogFixture {
protected:
    // The caption a control shows, whatever kind of control it is.
    QString captionOf(const char* objectName) const {
        QObject* control = dialog->findChild<QObject*>(QString::fromLatin1(objectName));
        if (const auto* label = qobject_cast<QLabel*>(control)) {
            return label->text();
        }
        if (const auto* button = qobject_cast<QAbstractButton*>(control)) {
            return button->text();
        }
        if (const auto* group = qobject_cast<QGroupBox*>(control)) {
            return group->title();
        }
        ADD_FAILURE() << "no control with a caption named " << objectName;
        return {};
    }

    void expectCaptions(std::initializer_list<Caption> captions) const {
        for (const Caption& caption : captions) {
            EXPECT_EQ(captionOf(caption.objectName), QString::fromUtf8(caption.text))
                << caption.objectName;
        }
    }
};

TEST_F(SettingsCaptions, EveryTabAndControlOfTheDialogReadsAsDesigned) {
    writeSettings("[General]\nFirstRun=0\n");
    open();
    inSettings(Close::Cancel, [&] {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("設定"));
        const auto* tabs = inDialog<QTabWidget>("PageControl1");
        QStringList tabCaptions;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabCaptions << tabs->tabText(tab);
        }
        EXPECT_EQ(tabCaptions, texts({"ディレクトリ", "検索/更新", "カラム", "一覧", "対戦相手"}));
        EXPECT_EQ(tabs->currentIndex(), 0);
        expectCaptions({{"Button1", "OK"},
                        {"Button2", "キャンセル"},
                        {"Label1", "キャラフォルダ"},
                        {"Label2", "一時保存領域 ※圧縮ファイルの一時的な展開に使われます"},
                        {"Label3", "MUGEN実行ファイル"},
                        {"Button3", "..."},
                        {"Button4", "..."},
                        {"Button5", "..."},
                        {"GroupBox2", "リスト更新"},
                        {"CheckBox6", "リスト済キャラも更新確認する"},
                        {"CheckBox5", "起動時にリストを更新する"},
                        {"CheckBox7", "画像を登録する"},
                        {"Label10", "Group"},
                        {"Label11", "Image"},
                        {"GroupBox1", "リストアップ対象"},
                        {"CheckBox1", "フォルダ"},
                        {"CheckBox2", "zip (.zip)"},
                        {"CheckBox3", "7-zip (.7z)"},
                        {"CheckBox4", "RAR (.rar)"},
                        {"Label4", "カラム名のリネーム"},
                        {"Label5", "表示させる項目"},
                        {"Label6", "その他の項目"},
                        {"Button6", "←→"},
                        {"Button7", "上へ"},
                        {"Button8", "下へ"},
                        {"GroupBox3", "対戦相手"},
                        {"Button9", "削除"},
                        {"Label7", "対戦パラメータA"},
                        {"Label8", "対戦パラメータB"},
                        {"Label9", "対戦パラメータC"}});
        // This system reads SFF version 2 as well, and its note says so.
        expectCaptions({{"SpriteNote", "注：SFFv1とSFFv2（v2.00/v2.01）を処理します"},
                        {"ListedKindsNote",
                         "一つのフォルダ、圧縮ファイルで\n認識できるキャラは1体のみ。\n\n"
                         "圧縮ファイルの場合、書庫中に\n全く同じ名前のファイルが複数あると\n"
                         "不具合を起こすことがあります。"},
                        {"OpponentsNote",
                         "ここに登録したキャラは、\n右クリック時の「対戦」で\n"
                         "対戦相手として選ぶことが出来ます。\n圧縮ファイルは対戦できません。\n"
                         "フォルダ形式のキャラの場合、\ndefファイル名がフォルダ名と\n"
                         "同じである必要があります。\n\n登録はメイン画面の右クリックで\n"
                         "行ってください。"}});
        for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"}) {
            EXPECT_TRUE(inDialog<QCheckBox>(box)->isChecked()) << box; // the default kinds
        }
    });
}

TEST_F(SettingsCaptions, TheBattleMenuOffersTheThreeParameterSetsOneAtATime) {
    open();
    const auto* battle = find<QMenu>("B1");
    ASSERT_NE(battle, nullptr);
    EXPECT_EQ(battle->title(), QStringLiteral("対戦(&B)"));
    ASSERT_EQ(battle->actions().size(), 1);
    const QMenu* parameters = battle->actions()[0]->menu();
    ASSERT_NE(parameters, nullptr);
    EXPECT_EQ(parameters->objectName(), QStringLiteral("N9"));
    EXPECT_EQ(parameters->title(), QStringLiteral("使用パラメータ"));
    QStringList captions;
    QStringList keys;
    for (const QAction* item : parameters->actions()) {
        captions << item->text();
        keys << item->shortcut().toString();
    }
    EXPECT_EQ(captions, texts({"パラメータA", "パラメータB", "パラメータC"}));
    EXPECT_EQ(keys, texts({"Ctrl+A", "Ctrl+B", "Ctrl+C"}));
    EXPECT_TRUE(parameters->actions()[0]->isChecked()); // A is in use at the start
    parameters->actions()[2]->trigger();
    EXPECT_FALSE(parameters->actions()[0]->isChecked());
    EXPECT_TRUE(parameters->actions()[2]->isChecked());
}

} // namespace
} // namespace zorvik::test
