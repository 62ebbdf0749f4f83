#include "core/text/message.h"

namespace zorvik {

namespace {

constexpr const char* kContext = "zorvik::Message";

} // namespace

TextLanguage::~TextLanguage() = default;

std::string SourceLanguage::text(const char* /*context*/, const char* source) const {
    return source;
}

std::string withArguments(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool numbered = pattern[i] == '%' && i + 1 < pattern.size() &&
                              pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const std::size_t index = numbered ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (numbered && index < arguments.size()) {
            result += arguments[index];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

Message Message::verbatim(std::string text) {
    return Message{MessageKind::Verbatim, {std::move(text)}};
}

// Each pattern is written where lupdate finds it, under the context
// "zorvik::Message"; the switch has no default, so that the compiler names
// a kind without a pattern.
const char* messagePattern(MessageKind kind) {
    switch (kind) {
    case MessageKind::Verbatim:
        return "%1";
    case MessageKind::SearchNotStarted:
        return ZORVIK_TEXT("zorvik::Message",
                           "ファイル検索を開始できませんでした。\n"
                           "メインディレクトリの設定が正しいか確認してください。");
    case MessageKind::SearchEndedAbnormally:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "何らかの異常な原因によりファイル検索が終了しました。\nエラーコード：%1");
    case MessageKind::RegistrationCheckFailed:
        return ZORVIK_TEXT("zorvik::Message", "DB登録確認処理でエラーがありました：%1");
    case MessageKind::RegistrationStepFailed:
        return ZORVIK_TEXT("zorvik::Message",
                           "DB登録確認のSQLステップ処理でエラーがありました：%1");
    case MessageKind::PresenceCheckFailed:
        return ZORVIK_TEXT("zorvik::Message", "DB所在確認処理でエラーがありました：%1");
    case MessageKind::CatalogueReadFailed:
        return ZORVIK_TEXT("zorvik::Message", "DBの読み込みでエラーがありました：%1");
    case MessageKind::BeginFailed:
        return ZORVIK_TEXT("zorvik::Message", "BEGIN failed : %1");
    case MessageKind::CommitFailed:
        return ZORVIK_TEXT("zorvik::Message", "COMMIT failed : %1");
    case MessageKind::RowWriteFailed:
        return ZORVIK_TEXT("zorvik::Message", "エラー：%1\nSQL : \n%2");
    case MessageKind::NoTemporaryFolder:
        return ZORVIK_TEXT("zorvik::Message", "一時ディレクトリを設定できません");
    case MessageKind::FolderRemovalFailed:
        return ZORVIK_TEXT("zorvik::Message", "ディレクトリの消去に失敗しました。");
    case MessageKind::ExtractionFolderFailed:
        return ZORVIK_TEXT("zorvik::Message", "%1を作れませんでした");
    case MessageKind::ExtractedFolderKept:
        return ZORVIK_TEXT("zorvik::Message", "展開したディレクトリを削除できませんでした");
    case MessageKind::PngEncodingFailed:
        return ZORVIK_TEXT("zorvik::Message", "png変換に失敗");
    case MessageKind::PortraitWriteFailed:
        return ZORVIK_TEXT("zorvik::Message", "書き込みに失敗しました : %1");
    case MessageKind::UpdateRunning:
        return ZORVIK_TEXT("zorvik::Message", "更新処理中...");
    case MessageKind::SearchingFolder:
        return ZORVIK_TEXT("zorvik::Message", "%1を検索");
    case MessageKind::CharactersRecognized:
        return ZORVIK_TEXT("zorvik::Message", "%1キャラを認識しました");
    case MessageKind::CheckingCharacter:
        return ZORVIK_TEXT("zorvik::Message", "確認中：%1");
    case MessageKind::AddingCharacter:
        return ZORVIK_TEXT("zorvik::Message", "新規追加処理中：%1");
    case MessageKind::UpdatingCharacter:
        return ZORVIK_TEXT("zorvik::Message", "更新処理中：%1");
    case MessageKind::TakingPortrait:
        return ZORVIK_TEXT("zorvik::Message", "画像登録中：%1");
    case MessageKind::UpdateCounts:
        return ZORVIK_TEXT("zorvik::Message",
                           "更新処理終了 : 新規追加データ %1件、 更新データ %2件でした。");
    case MessageKind::PortraitsAdded:
        return ZORVIK_TEXT("zorvik::Message", "画像を追加したデータ : %1件");
    case MessageKind::MissingCount:
        return ZORVIK_TEXT("zorvik::Message", "見つからなくなったデータ : %1件");
    case MessageKind::UpdateCountsWithMoves:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "更新処理終了 : 新規追加データ %1件、 更新データ %2件、 移動 %3件でした。");
    case MessageKind::MovesLeft:
        return ZORVIK_TEXT("zorvik::Message", "移動先を一つに決められず残したデータ : %1件");
    case MessageKind::NamesToldApart:
        return ZORVIK_TEXT("zorvik::Message",
                           "同じ名前に見えるためバイト列を添えたエントリ : %1件");
    case MessageKind::UnreadableFolder:
        return ZORVIK_TEXT("zorvik::Message", "読み込めなかったフォルダ : %1");
    case MessageKind::UnreadableEntries:
        return ZORVIK_TEXT("zorvik::Message", "読み込めなかったエントリ %1件");
    case MessageKind::ChangesUndone:
        return ZORVIK_TEXT("zorvik::Message",
                           "カタログに書き込めなかったため、この更新の変更はカタログが取り消しました");
    case MessageKind::JobStopped:
        return ZORVIK_TEXT("zorvik::Message", "途中で止めました。それまでの内容は保存されています");
    case MessageKind::NothingListed:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "キャラクターが一つも見つかりませんでした "
            "(フォルダが空か、ドライブが接続されていません)。見つからなくなった印は付けていません");
    case MessageKind::RecaptureRunning:
        return ZORVIK_TEXT("zorvik::Message", "ポートレート取り込み直し中...");
    case MessageKind::RecapturingCharacter:
        return ZORVIK_TEXT("zorvik::Message", "取り込み中：%1");
    case MessageKind::RecaptureCounts:
        return ZORVIK_TEXT("zorvik::Message",
                           "ポートレート取り込み直し終了 : 取り込み %1件、 手動設定のため保持 "
                           "%2件、 取り込めず %3件、 見つからず %4件");
    case MessageKind::CheckingDuplicates:
        return ZORVIK_TEXT("zorvik::Message", "重複を確認中");
    case MessageKind::FolderNotSearched:
        return ZORVIK_TEXT("zorvik::Message", "キャラクターフォルダを検索できませんでした：%1");
    case MessageKind::NoCharacterFolder:
        return ZORVIK_TEXT("zorvik::Message",
                           "キャラクターのフォルダ (MainDir) が設定されていません。");
    case MessageKind::NoRosterTarget:
        return ZORVIK_TEXT("zorvik::Message", "書き出す select.def が決まっていません。");
    case MessageKind::RosterOrderRange:
        return ZORVIK_TEXT("zorvik::Message", "order は 0 から 10 までです。");
    case MessageKind::StageNotInLine:
        return ZORVIK_TEXT("zorvik::Message", "ステージ \"%1\" は select.def の行に書けません。");
    case MessageKind::StageNotShiftJis:
        return ZORVIK_TEXT("zorvik::Message", "ステージ \"%1\" は Shift-JIS で書けません。");
    case MessageKind::RosterRowsUnread:
        return ZORVIK_TEXT("zorvik::Message", "カタログを読めません: %1");
    case MessageKind::TargetUnreadable:
        return ZORVIK_TEXT("zorvik::Message", "%1 を読めません。");
    case MessageKind::TargetDanglingLink:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "%1 はリンクですが、リンク先のファイルがありません。何も書き換えていません。");
    case MessageKind::TargetLoopingLink:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "%1 のリンクは循環していて、ファイルにたどり着きません。何も書き換えていません。");
    case MessageKind::TargetUninspectable:
        return ZORVIK_TEXT("zorvik::Message", "%1 を調べられません。");
    case MessageKind::TargetNotFile:
        return ZORVIK_TEXT("zorvik::Message",
                           "%1 はファイルではありません。何も書き換えていません。");
    case MessageKind::TargetLinkNotFile:
        return ZORVIK_TEXT("zorvik::Message",
                           "%1 (リンク先 %2) はファイルではありません。何も書き換えていません。");
    case MessageKind::TargetReadOnly:
        return ZORVIK_TEXT("zorvik::Message", "%1 は読み取り専用です。何も書き換えていません。");
    case MessageKind::TargetFolderMissing:
        return ZORVIK_TEXT("zorvik::Message", "フォルダ %1 がありません。何も書いていません。");
    case MessageKind::TargetFolderReadOnly:
        return ZORVIK_TEXT("zorvik::Message",
                           "フォルダ %1 は読み取り専用です。何も書き換えていません。");
    case MessageKind::TargetBusy:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "%1 は別の書き出しが使用中です (%2 秒待ちました)。何も書き換えていません。");
    case MessageKind::TargetUnopened:
        return ZORVIK_TEXT("zorvik::Message", "%1 を開けません。");
    case MessageKind::TargetUtf16:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "%1 は UTF-16 で書かれています。UTF-16 の select.def には対応していません (UTF-8 か "
            "Shift-JIS で保存してください)。何も書き換えていません。");
    case MessageKind::TargetNotText:
        return ZORVIK_TEXT("zorvik::Message",
                           "%1 はテキストファイルではありません。何も書き換えていません。");
    case MessageKind::BackupBlocked:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "バックアップ %1 の場所にファイルでないものがあります。%2 は元のままです。");
    case MessageKind::BackupUnwritten:
        return ZORVIK_TEXT("zorvik::Message",
                           "バックアップ %1 を書けませんでした。%2 は元のままです。");
    case MessageKind::TargetUnwrittenKept:
        return ZORVIK_TEXT(
            "zorvik::Message",
            "%1 を書けませんでした。元のファイルはそのまま残り、%2 にも写してあります。");
    case MessageKind::TargetUnwritten:
        return ZORVIK_TEXT("zorvik::Message", "%1 を書けませんでした。何も書いていません。");
    case MessageKind::NoProgramFolders:
        return ZORVIK_TEXT("zorvik::Message",
                           "設定とカタログの置き場所が決まりません: HOME (または XDG_CONFIG_HOME "
                           "と XDG_DATA_HOME) を絶対パスで設定してください");
    case MessageKind::ProgramFoldersUncreated:
        return ZORVIK_TEXT("zorvik::Message", "設定とカタログのフォルダを作成できません: %1, %2");
    case MessageKind::CatalogueUnopened:
        return ZORVIK_TEXT("zorvik::Message", "オープン不可\n");
    case MessageKind::CatalogueReady:
        return ZORVIK_TEXT("zorvik::Message", "初期化：終了");
    case MessageKind::TableCheckFailed:
        return ZORVIK_TEXT("zorvik::Message",
                           "CHARACTER_TABLEの存在確認SQLのprepareで不具合発生\n%1");
    case MessageKind::TableCreated:
        return ZORVIK_TEXT("zorvik::Message", "%1テーブルが存在しないため作成。\n");
    case MessageKind::TableNotCreated:
        return ZORVIK_TEXT("zorvik::Message",
                           "%1テーブルが存在しないため作成。\n%1の作成に失敗\n%2");
    case MessageKind::SelectFailed:
        return ZORVIK_TEXT("zorvik::Message", "SELECT文の処理に失敗\nErrMsg : %1\nSQL : %2");
    case MessageKind::RecordsDeleted:
        return ZORVIK_TEXT("zorvik::Message", "レコード削除完了");
    case MessageKind::RecordsNotDeleted:
        return ZORVIK_TEXT("zorvik::Message", "データ削除失敗");
    case MessageKind::TableDropped:
        return ZORVIK_TEXT("zorvik::Message", "テーブル削除完了");
    case MessageKind::TableNotDropped:
        return ZORVIK_TEXT("zorvik::Message", "テーブル削除失敗");
    }
    return "%1";
}

std::string messageText(const Message& message, const TextLanguage& language) {
    // A message made empty (no status yet) reads as nothing, not as "%1".
    if (message.kind == MessageKind::Verbatim) {
        return message.arguments.empty() ? std::string() : message.arguments.front();
    }
    return withArguments(language.text(kContext, messagePattern(message.kind)),
                         message.arguments);
}

std::string japaneseText(const Message& message) {
    return messageText(message, SourceLanguage());
}

} // namespace zorvik
