#include "core/text/message.h"

#include <map>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using Kind = MessageKind;

// Every kind with sample arguments, and the text the program showed for
// it before its messages were values (written as that code built it).
std::map<Kind, std::pair<Message, std::string>> wordedBefore() {
    const std::string path = "/home/u/mugen/data/select.def";
    return {
        {Kind::Verbatim, {Message::verbatim("no such table: %1"), "no such table: %1"}},
        {Kind::SearchNotStarted,
         {Message::of(Kind::SearchNotStarted),
          "ファイル検索を開始できませんでした。\n"
          "メインディレクトリの設定が正しいか確認してください。"}},
        {Kind::SearchEndedAbnormally,
         {Message::of(Kind::SearchEndedAbnormally, 13),
          "何らかの異常な原因によりファイル検索が終了しました。\nエラーコード：" +
              std::to_string(13)}},
        {Kind::RegistrationCheckFailed,
         {Message::of(Kind::RegistrationCheckFailed, "disk I/O error"),
          "DB登録確認処理でエラーがありました：disk I/O error"}},
        {Kind::RegistrationStepFailed,
         {Message::of(Kind::RegistrationStepFailed, "database is locked"),
          "DB登録確認のSQLステップ処理でエラーがありました：database is locked"}},
        {Kind::PresenceCheckFailed,
         {Message::of(Kind::PresenceCheckFailed, "no such column: DELETED"),
          "DB所在確認処理でエラーがありました：no such column: DELETED"}},
        {Kind::CatalogueReadFailed,
         {Message::of(Kind::CatalogueReadFailed, "malformed"),
          "DBの読み込みでエラーがありました：malformed"}},
        {Kind::BeginFailed,
         {Message::of(Kind::BeginFailed, "database is locked"),
          "BEGIN failed : database is locked"}},
        {Kind::CommitFailed,
         {Message::of(Kind::CommitFailed, "disk full"), "COMMIT failed : disk full"}},
        {Kind::RowWriteFailed,
         {Message::of(Kind::RowWriteFailed, "disk full", "INSERT INTO CHARACTER_TABLE"),
          "エラー：" + std::string("disk full") + "\nSQL : \n" + "INSERT INTO CHARACTER_TABLE"}},
        {Kind::NoTemporaryFolder,
         {Message::of(Kind::NoTemporaryFolder), "一時ディレクトリを設定できません"}},
        {Kind::FolderRemovalFailed,
         {Message::of(Kind::FolderRemovalFailed), "ディレクトリの消去に失敗しました。"}},
        {Kind::ExtractionFolderFailed,
         {Message::of(Kind::ExtractionFolderFailed, "/tmp/w/kfm.zip/"),
          "/tmp/w/kfm.zip/を作れませんでした"}},
        {Kind::ExtractedFolderKept,
         {Message::of(Kind::ExtractedFolderKept), "展開したディレクトリを削除できませんでした"}},
        {Kind::PngEncodingFailed, {Message::of(Kind::PngEncodingFailed), "png変換に失敗"}},
        {Kind::PortraitWriteFailed,
         {Message::of(Kind::PortraitWriteFailed, "disk full"),
          "書き込みに失敗しました : disk full"}},
        {Kind::UpdateRunning, {Message::of(Kind::UpdateRunning), "更新処理中..."}},
        {Kind::SearchingFolder,
         {Message::of(Kind::SearchingFolder, "/m/chars/*.*"), "/m/chars/*.*を検索"}},
        {Kind::CharactersRecognized,
         {Message::of(Kind::CharactersRecognized, std::size_t{42}),
          std::to_string(42) + "キャラを認識しました"}},
        {Kind::CheckingCharacter, {Message::of(Kind::CheckingCharacter, "kfm"), "確認中：kfm"}},
        {Kind::AddingCharacter, {Message::of(Kind::AddingCharacter, "kfm"), "新規追加処理中：kfm"}},
        {Kind::UpdatingCharacter, {Message::of(Kind::UpdatingCharacter, "kfm"), "更新処理中：kfm"}},
        {Kind::TakingPortrait, {Message::of(Kind::TakingPortrait, "kfm"), "画像登録中：kfm"}},
        {Kind::UpdateCounts,
         {Message::of(Kind::UpdateCounts, 3, 0),
          "更新処理終了 : 新規追加データ 3件、 更新データ 0件でした。"}},
        {Kind::PortraitsAdded,
         {Message::of(Kind::PortraitsAdded, 2), "画像を追加したデータ : 2件"}},
        {Kind::MissingCount,
         {Message::of(Kind::MissingCount, 2), "見つからなくなったデータ : 2件"}},
        {Kind::NothingListed,
         {Message::of(Kind::NothingListed), "キャラクターが一つも見つかりませんでした "
                                            "(フォルダが空か、ドライブが接続されていません)。"
                                            "見つからなくなった印は付けていません"}},
        {Kind::RecaptureRunning,
         {Message::of(Kind::RecaptureRunning), "ポートレート取り込み直し中..."}},
        {Kind::RecapturingCharacter,
         {Message::of(Kind::RecapturingCharacter, "kfm"), "取り込み中：kfm"}},
        {Kind::RecaptureCounts,
         {Message::of(Kind::RecaptureCounts, 3, 1, 0, 12),
          "ポートレート取り込み直し終了 : 取り込み 3件、 手動設定のため保持 1件、 "
          "取り込めず 0件、 見つからず 12件"}},
        {Kind::CheckingDuplicates, {Message::of(Kind::CheckingDuplicates), "重複を確認中"}},
        {Kind::FolderNotSearched,
         {Message::of(Kind::FolderNotSearched, "/m/chars"),
          "キャラクターフォルダを検索できませんでした：/m/chars"}},
        {Kind::NoCharacterFolder,
         {Message::of(Kind::NoCharacterFolder),
          "キャラクターのフォルダ (MainDir) が設定されていません。"}},
        {Kind::NoRosterTarget,
         {Message::of(Kind::NoRosterTarget), "書き出す select.def が決まっていません。"}},
        {Kind::RosterOrderRange,
         {Message::of(Kind::RosterOrderRange), "order は 0 から 10 までです。"}},
        {Kind::StageNotInLine,
         {Message::of(Kind::StageNotInLine, "stages/a,b.def"),
          "ステージ \"stages/a,b.def\" は select.def の行に書けません。"}},
        {Kind::StageNotShiftJis,
         {Message::of(Kind::StageNotShiftJis, "stages/\xEA\xB0\x80.def"),
          "ステージ \"stages/\xEA\xB0\x80.def\" は Shift-JIS で書けません。"}},
        {Kind::RosterRowsUnread,
         {Message::of(Kind::RosterRowsUnread, "no such table: CHARACTER_TABLE"),
          "カタログを読めません: no such table: CHARACTER_TABLE"}},
        {Kind::TargetUnreadable,
         {Message::of(Kind::TargetUnreadable, path), path + " を読めません。"}},
        {Kind::TargetDanglingLink,
         {Message::of(Kind::TargetDanglingLink, path),
          path + " はリンクですが、リンク先のファイルがありません。" + "何も書き換えていません。"}},
        {Kind::TargetLoopingLink,
         {Message::of(Kind::TargetLoopingLink, path),
          path + " のリンクは循環していて、ファイルにたどり着きません。" +
              "何も書き換えていません。"}},
        {Kind::TargetUninspectable,
         {Message::of(Kind::TargetUninspectable, path), path + " を調べられません。"}},
        {Kind::TargetNotFile,
         {Message::of(Kind::TargetNotFile, path),
          path + " はファイルではありません。" + "何も書き換えていません。"}},
        {Kind::TargetLinkNotFile,
         {Message::of(Kind::TargetLinkNotFile, path, "/dev/null"),
          path + " (リンク先 " + "/dev/null" + ")" + " はファイルではありません。" +
              "何も書き換えていません。"}},
        {Kind::TargetReadOnly,
         {Message::of(Kind::TargetReadOnly, path),
          path + " は読み取り専用です。" + "何も書き換えていません。"}},
        {Kind::TargetFolderMissing,
         {Message::of(Kind::TargetFolderMissing, "/m/data"),
          "フォルダ " + std::string("/m/data") + " がありません。何も書いていません。"}},
        {Kind::TargetFolderReadOnly,
         {Message::of(Kind::TargetFolderReadOnly, "/m/data"), "フォルダ " + std::string("/m/data") +
                                                                  " は読み取り専用です。" +
                                                                  "何も書き換えていません。"}},
        {Kind::TargetBusy,
         {Message::of(Kind::TargetBusy, path, 5L), path + " は別の書き出しが使用中です (" +
                                                       std::to_string(5) + " 秒待ちました)。" +
                                                       "何も書き換えていません。"}},
        {Kind::TargetUnopened, {Message::of(Kind::TargetUnopened, path), path + " を開けません。"}},
        {Kind::TargetUtf16,
         {Message::of(Kind::TargetUtf16, path),
          path +
              " は UTF-16 で書かれています。UTF-16 の select.def には対応して"
              "いません (UTF-8 か Shift-JIS で保存してください)。" +
              "何も書き換えていません。"}},
        {Kind::TargetNotText,
         {Message::of(Kind::TargetNotText, path),
          path + " はテキストファイルではありません。" + "何も書き換えていません。"}},
        {Kind::BackupBlocked,
         {Message::of(Kind::BackupBlocked, path + ".bak", path),
          "バックアップ " + path + ".bak" + " の場所にファイルでないものがあります。" + path +
              " は元のままです。"}},
        {Kind::BackupUnwritten,
         {Message::of(Kind::BackupUnwritten, path + ".bak2", path),
          "バックアップ " + path + ".bak2" + " を書けませんでした。" + path + " は元のままです。"}},
        {Kind::TargetUnwrittenKept,
         {Message::of(Kind::TargetUnwrittenKept, path, path + ".bak"),
          path + " を書けませんでした。" + "元のファイルはそのまま残り、" + path + ".bak" +
              " にも写してあります。"}},
        {Kind::TargetUnwritten,
         {Message::of(Kind::TargetUnwritten, path),
          path + " を書けませんでした。" + "何も書いていません。"}},
        {Kind::NoProgramFolders,
         {Message::of(Kind::NoProgramFolders),
          "設定とカタログの置き場所が決まりません: HOME "
          "(または XDG_CONFIG_HOME と XDG_DATA_HOME) を絶対パスで設定してください"}},
        {Kind::ProgramFoldersUncreated,
         {Message::of(Kind::ProgramFoldersUncreated, "/h/.config/zorvik", "/h/.local/zorvik"),
          "設定とカタログのフォルダを作成できません: " + std::string("/h/.config/zorvik") + ", " +
              "/h/.local/zorvik"}},
        {Kind::CatalogueUnopened, {Message::of(Kind::CatalogueUnopened), "オープン不可\n"}},
        {Kind::CatalogueReady, {Message::of(Kind::CatalogueReady), "初期化：終了"}},
        {Kind::TableCheckFailed,
         {Message::of(Kind::TableCheckFailed, "file is not a database"),
          "CHARACTER_TABLEの存在確認SQLのprepareで不具合発生\n" +
              std::string("file is not a database")}},
        {Kind::TableCreated,
         {Message::of(Kind::TableCreated, "PATH_TABLE"),
          "PATH_TABLE" + std::string("テーブルが存在しないため作成。\n")}},
        {Kind::TableNotCreated,
         {Message::of(Kind::TableNotCreated, "PATH_TABLE", "disk full"),
          "PATH_TABLE" + std::string("テーブルが存在しないため作成。\n") + "PATH_TABLE" +
              "の作成に失敗\n" + "disk full"}},
        {Kind::SelectFailed,
         {Message::of(Kind::SelectFailed, "no such table: CHARACTER_TABLE", "SELECT ID"),
          "SELECT文の処理に失敗\nErrMsg : " + std::string("no such table: CHARACTER_TABLE") +
              "\nSQL : " + "SELECT ID"}},
        {Kind::RecordsDeleted, {Message::of(Kind::RecordsDeleted), "レコード削除完了"}},
        {Kind::RecordsNotDeleted, {Message::of(Kind::RecordsNotDeleted), "データ削除失敗"}},
        {Kind::TableDropped, {Message::of(Kind::TableDropped), "テーブル削除完了"}},
        {Kind::TableNotDropped, {Message::of(Kind::TableNotDropped), "テーブル削除失敗"}},
        // Kinds added since, as they were first worded.
        {Kind::UpdateCountsWithMoves,
         {Message::of(Kind::UpdateCountsWithMoves, 3, 0, 1),
          "更新処理終了 : 新規追加データ 3件、 更新データ 0件、 移動 1件でした。"}},
        {Kind::MovesLeft,
         {Message::of(Kind::MovesLeft, 2), "移動先を一つに決められず残したデータ : 2件"}},
        {Kind::NamesToldApart,
         {Message::of(Kind::NamesToldApart, 3),
          "同じ名前に見えるためバイト列を添えたエントリ : 3件"}},
        {Kind::UnreadableFolder,
         {Message::of(Kind::UnreadableFolder, "Capcom"), "読み込めなかったフォルダ : Capcom"}},
        {Kind::UnreadableEntries,
         {Message::of(Kind::UnreadableEntries, 2), "読み込めなかったエントリ 2件"}},
        {Kind::ChangesUndone,
         {Message::of(Kind::ChangesUndone),
          "カタログに書き込めなかったため、この更新の変更はカタログが取り消しました"}},
        {Kind::JobStopped,
         {Message::of(Kind::JobStopped), "途中で止めました。それまでの内容は保存されています"}},
    };
}

// Japanese stays the program's own language: every message reads as it did.
TEST(JapaneseMessages, EveryKindReadsAsTheProgramAlwaysWordedIt) {
    const auto cases = wordedBefore();
    for (int k = 0; k <= static_cast<int>(Kind::Last); ++k) {
        const auto found = cases.find(static_cast<Kind>(k));
        // A kind added without a case here fails, so that its Japanese is checked too.
        ASSERT_NE(found, cases.end()) << "no case for message kind " << k;
        const auto& [message, before] = found->second;
        EXPECT_EQ(message.kind, static_cast<Kind>(k));
        EXPECT_EQ(japaneseText(message), before) << "message kind " << k;
    }
}

// A message with nothing in it (a status not yet set) reads as nothing.
TEST(JapaneseMessages, AnEmptyMessageReadsAsNothing) {
    EXPECT_EQ(japaneseText(Message{}), "");
}

// A path holding "%2" or a number sign is a name like any other.
TEST(JapaneseMessages, ArgumentsThatLookLikePlacesStayAsTheyAre) {
    EXPECT_EQ(japaneseText(Message::of(Kind::BackupUnwritten, "/a/%2.bak", "/a/%1")),
              "バックアップ /a/%2.bak を書けませんでした。/a/%1 は元のままです。");
    EXPECT_EQ(japaneseText(Message::of(Kind::CheckingCharacter, "100%")), "確認中：100%");
}

} // namespace
} // namespace zorvik
