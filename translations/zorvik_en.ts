<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>MainMenu</name>
    <message>
        <source>機能(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>キャラクターリスト更新(&amp;F)</source>
        <translation>&amp;Update Character List</translation>
    </message>
    <message>
        <source>設定(&amp;O)...</source>
        <translation>&amp;Settings…</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>select.defを書き出す(&amp;S)...</source>
        <translation>&amp;Export select.def…</translation>
    </message>
    <message>
        <source>コレクションを検査(&amp;C)...</source>
        <translation>&amp;Check Collection…</translation>
    </message>
    <message>
        <source>ポートレートを取り込み直す(&amp;P)...</source>
        <translation>Recapture &amp;Portraits…</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Zorvikについて(&amp;V)...</source>
        <translation>&amp;About Zorvik…</translation>
    </message>
    <message>
        <source>対戦(&amp;B)</source>
        <translation>&amp;Battle</translation>
    </message>
    <message>
        <source>使用パラメータ</source>
        <translation>&amp;Parameter Set</translation>
    </message>
    <message>
        <source>パラメータ%1</source>
        <translation>Parameters &amp;%1</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>破棄</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zorvik::Message</name>
    <message>
        <source>ファイル検索を開始できませんでした。
メインディレクトリの設定が正しいか確認してください。</source>
        <translation>Could not start the file search.
Check that the character folder is set correctly.</translation>
    </message>
    <message>
        <source>何らかの異常な原因によりファイル検索が終了しました。
エラーコード：%1</source>
        <translation>The file search ended abnormally.
Error code: %1</translation>
    </message>
    <message>
        <source>DB登録確認処理でエラーがありました：%1</source>
        <translation>Error while looking the character up in the catalogue: %1</translation>
    </message>
    <message>
        <source>DB登録確認のSQLステップ処理でエラーがありました：%1</source>
        <translation>Error in an SQL step while looking the character up in the catalogue: %1</translation>
    </message>
    <message>
        <source>DB所在確認処理でエラーがありました：%1</source>
        <translation>Error while checking which characters are still there: %1</translation>
    </message>
    <message>
        <source>DBの読み込みでエラーがありました：%1</source>
        <translation>Error while reading the catalogue: %1</translation>
    </message>
    <message>
        <source>BEGIN failed : %1</source>
        <translation>BEGIN failed : %1</translation>
    </message>
    <message>
        <source>COMMIT failed : %1</source>
        <translation>COMMIT failed : %1</translation>
    </message>
    <message>
        <source>エラー：%1
SQL : 
%2</source>
        <translation>Error: %1
SQL : 
%2</translation>
    </message>
    <message>
        <source>一時ディレクトリを設定できません</source>
        <translation>Cannot set up the temporary folder</translation>
    </message>
    <message>
        <source>ディレクトリの消去に失敗しました。</source>
        <translation>Could not delete the folder.</translation>
    </message>
    <message>
        <source>%1を作れませんでした</source>
        <translation>Could not create %1</translation>
    </message>
    <message>
        <source>展開したディレクトリを削除できませんでした</source>
        <translation>Could not delete the extracted folder</translation>
    </message>
    <message>
        <source>png変換に失敗</source>
        <translation>Could not convert the portrait to PNG</translation>
    </message>
    <message>
        <source>書き込みに失敗しました : %1</source>
        <translation>Could not write: %1</translation>
    </message>
    <message>
        <source>更新処理中...</source>
        <translation>Updating…</translation>
    </message>
    <message>
        <source>%1を検索</source>
        <translation>Searching %1</translation>
    </message>
    <message>
        <source>%1キャラを認識しました</source>
        <translation>%1 characters found</translation>
    </message>
    <message>
        <source>確認中：%1</source>
        <translation>Checking: %1</translation>
    </message>
    <message>
        <source>新規追加処理中：%1</source>
        <translation>Adding: %1</translation>
    </message>
    <message>
        <source>更新処理中：%1</source>
        <translation>Updating: %1</translation>
    </message>
    <message>
        <source>画像登録中：%1</source>
        <translation>Taking the portrait: %1</translation>
    </message>
    <message>
        <source>更新処理終了 : 新規追加データ %1件、 更新データ %2件でした。</source>
        <translation>Update finished: %1 added, %2 updated.</translation>
    </message>
    <message>
        <source>画像を追加したデータ : %1件</source>
        <translation>Portraits added: %1</translation>
    </message>
    <message>
        <source>見つからなくなったデータ : %1件</source>
        <translation>No longer found: %1</translation>
    </message>
    <message>
        <source>キャラクターが一つも見つかりませんでした (フォルダが空か、ドライブが接続されていません)。見つからなくなった印は付けていません</source>
        <translation>No character was found (the folder is empty or its drive is not connected). No character was marked as no longer found</translation>
    </message>
    <message>
        <source>ポートレート取り込み直し中...</source>
        <translation>Retaking portraits…</translation>
    </message>
    <message>
        <source>取り込み中：%1</source>
        <translation>Retaking: %1</translation>
    </message>
    <message>
        <source>ポートレート取り込み直し終了 : 取り込み %1件、 手動設定のため保持 %2件、 取り込めず %3件、 見つからず %4件</source>
        <translation>Portraits retaken: %1 taken, %2 kept as set by hand, %3 could not be taken, %4 not found</translation>
    </message>
    <message>
        <source>重複を確認中</source>
        <translation>Checking for duplicates</translation>
    </message>
    <message>
        <source>キャラクターフォルダを検索できませんでした：%1</source>
        <translation>Could not search the character folder: %1</translation>
    </message>
    <message>
        <source>キャラクターのフォルダ (MainDir) が設定されていません。</source>
        <translation>The character folder (MainDir) is not set.</translation>
    </message>
    <message>
        <source>書き出す select.def が決まっていません。</source>
        <translation>No select.def to write is chosen.</translation>
    </message>
    <message>
        <source>order は 0 から 10 までです。</source>
        <translation>order goes from 0 to 10.</translation>
    </message>
    <message>
        <source>ステージ &quot;%1&quot; は select.def の行に書けません。</source>
        <translation>The stage &quot;%1&quot; cannot be written in a select.def line.</translation>
    </message>
    <message>
        <source>ステージ &quot;%1&quot; は Shift-JIS で書けません。</source>
        <translation>The stage &quot;%1&quot; cannot be written in Shift-JIS.</translation>
    </message>
    <message>
        <source>カタログを読めません: %1</source>
        <translation>Cannot read the catalogue: %1</translation>
    </message>
    <message>
        <source>%1 を読めません。</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>%1 はリンクですが、リンク先のファイルがありません。何も書き換えていません。</source>
        <translation>%1 is a link, but the file it leads to does not exist. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 のリンクは循環していて、ファイルにたどり着きません。何も書き換えていません。</source>
        <translation>The link %1 goes round in a loop and never reaches a file. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 を調べられません。</source>
        <translation>Cannot examine %1.</translation>
    </message>
    <message>
        <source>%1 はファイルではありません。何も書き換えていません。</source>
        <translation>%1 is not a file. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 (リンク先 %2) はファイルではありません。何も書き換えていません。</source>
        <translation>%1 (leading to %2) is not a file. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 は読み取り専用です。何も書き換えていません。</source>
        <translation>%1 is read-only. Nothing was changed.</translation>
    </message>
    <message>
        <source>フォルダ %1 がありません。何も書いていません。</source>
        <translation>The folder %1 does not exist. Nothing was written.</translation>
    </message>
    <message>
        <source>フォルダ %1 は読み取り専用です。何も書き換えていません。</source>
        <translation>The folder %1 is read-only. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 は別の書き出しが使用中です (%2 秒待ちました)。何も書き換えていません。</source>
        <translation>%1 is in use by another export (waited %2 seconds). Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 を開けません。</source>
        <translation>Cannot open %1.</translation>
    </message>
    <message>
        <source>%1 は UTF-16 で書かれています。UTF-16 の select.def には対応していません (UTF-8 か Shift-JIS で保存してください)。何も書き換えていません。</source>
        <translation>%1 is written in UTF-16. A UTF-16 select.def is not supported (save it as UTF-8 or Shift-JIS). Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 はテキストファイルではありません。何も書き換えていません。</source>
        <translation>%1 is not a text file. Nothing was changed.</translation>
    </message>
    <message>
        <source>バックアップ %1 の場所にファイルでないものがあります。%2 は元のままです。</source>
        <translation>Something that is not a file is in the place of the backup %1. %2 is unchanged.</translation>
    </message>
    <message>
        <source>バックアップ %1 を書けませんでした。%2 は元のままです。</source>
        <translation>Could not write the backup %1. %2 is unchanged.</translation>
    </message>
    <message>
        <source>%1 を書けませんでした。元のファイルはそのまま残り、%2 にも写してあります。</source>
        <translation>Could not write %1. The original file remains as it was and is also copied to %2.</translation>
    </message>
    <message>
        <source>%1 を書けませんでした。何も書いていません。</source>
        <translation>Could not write %1. Nothing was written.</translation>
    </message>
    <message>
        <source>設定とカタログの置き場所が決まりません: HOME (または XDG_CONFIG_HOME と XDG_DATA_HOME) を絶対パスで設定してください</source>
        <translation>Cannot decide where to keep the settings and the catalogue: set HOME (or XDG_CONFIG_HOME and XDG_DATA_HOME) to an absolute path</translation>
    </message>
    <message>
        <source>設定とカタログのフォルダを作成できません: %1, %2</source>
        <translation>Cannot create the folders of the settings and the catalogue: %1, %2</translation>
    </message>
    <message>
        <source>オープン不可
</source>
        <translation>Cannot open the catalogue
</translation>
    </message>
    <message>
        <source>初期化：終了</source>
        <translation>Catalogue ready</translation>
    </message>
    <message>
        <source>CHARACTER_TABLEの存在確認SQLのprepareで不具合発生
%1</source>
        <translation>Could not prepare the SQL that checks for CHARACTER_TABLE
%1</translation>
    </message>
    <message>
        <source>%1テーブルが存在しないため作成。
</source>
        <translation>Table %1 did not exist and was created.
</translation>
    </message>
    <message>
        <source>%1テーブルが存在しないため作成。
%1の作成に失敗
%2</source>
        <translation>Table %1 did not exist and was created.
Creating %1 failed
%2</translation>
    </message>
    <message>
        <source>SELECT文の処理に失敗
ErrMsg : %1
SQL : %2</source>
        <translation>The SELECT statement failed
ErrMsg : %1
SQL : %2</translation>
    </message>
    <message>
        <source>レコード削除完了</source>
        <translation>Records deleted</translation>
    </message>
    <message>
        <source>データ削除失敗</source>
        <translation>Could not delete the data</translation>
    </message>
    <message>
        <source>テーブル削除完了</source>
        <translation>Table deleted</translation>
    </message>
    <message>
        <source>テーブル削除失敗</source>
        <translation>Could not delete the table</translation>
    </message>
    <message>
        <source>更新処理終了 : 新規追加データ %1件、 更新データ %2件、 移動 %3件でした。</source>
        <translation>Update finished: %1 added, %2 updated, moved: %3.</translation>
    </message>
    <message>
        <source>移動先を一つに決められず残したデータ : %1件</source>
        <translation>Not moved, more than one match: %1</translation>
    </message>
    <message>
        <source>同じ名前に見えるためバイト列を添えたエントリ : %1件</source>
        <translation>Names shown with their bytes, since they read alike: %1</translation>
    </message>
    <message>
        <source>読み込めなかったフォルダ : %1</source>
        <translation>Folder that could not be read: %1</translation>
    </message>
    <message>
        <source>読み込めなかったエントリ %1件</source>
        <translation>entries that could not be read: %1</translation>
    </message>
    <message>
        <source>カタログに書き込めなかったため、この更新の変更はカタログが取り消しました</source>
        <translation>The catalogue could not be written, and it undid the changes of this update</translation>
    </message>
    <message>
        <source>途中で止めました。それまでの内容は保存されています</source>
        <translation>Stopped before the end; what was done until then is kept</translation>
    </message>
</context>
<context>
    <name>zorvik::cli</name>
    <message>
        <source>一時ディレクトリを設定できません</source>
        <translation>cannot set up a temporary folder</translation>
    </message>
    <message>
        <source>ツール → ポートレートを取り込み直す</source>
        <translation>Tools → Recapture Portraits</translation>
    </message>
    <message>
        <source>カタログ %1 がありません</source>
        <translation>the catalogue %1 does not exist</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::AnimationLoader</name>
    <message>
        <source>キャラクターの.defファイルを読めません</source>
        <translation>The character’s .def file cannot be read</translation>
    </message>
    <message>
        <source>.airファイルがないか、読めません</source>
        <translation>The .air file is missing or cannot be read</translation>
    </message>
    <message>
        <source>.airファイルにアクション0がありません</source>
        <translation>The .air file has no action 0</translation>
    </message>
    <message>
        <source>スプライトファイルがないか、読めません</source>
        <translation>The sprite file is missing or cannot be read</translation>
    </message>
    <message>
        <source>スプライト %1,%2 がないか、読めません</source>
        <translation>Sprite %1,%2 is missing or cannot be read</translation>
    </message>
    <message>
        <source>アニメーションが大きすぎます</source>
        <translation>The animation is too large</translation>
    </message>
    <message>
        <source>キャラクターがカタログにありません</source>
        <translation>The character is not in the catalogue</translation>
    </message>
    <message>
        <source>圧縮ファイルを展開する一時保存領域がありません</source>
        <translation>There is no temporary folder to extract the archive into</translation>
    </message>
    <message>
        <source>一時保存領域に展開用のフォルダを作れません：%1</source>
        <translation>Cannot create a folder to extract the archive into in the temporary folder: %1</translation>
    </message>
    <message>
        <source>圧縮ファイルを展開できません：%1</source>
        <translation>The archive cannot be extracted: %1</translation>
    </message>
    <message>
        <source>アクション0のフレーム（%1まで）か1つの当たり判定の箱（%2まで）が多すぎます</source>
        <translation>Action 0 has too many frames (at most %1) or collision boxes in one list (at most %2)</translation>
    </message>
    <message>
        <source>スプライトが大きすぎます（展開すると%1 MBを超えます）</source>
        <translation>The sprites are too large (more than %1 MB decoded)</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>There is not enough memory</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::AnimationSwitch</name>
    <message>
        <source>立ちアニメーション表示 (M)</source>
        <translation>Standing Animation (M)</translation>
    </message>
    <message>
        <source>立ちアニメーション表示</source>
        <translation>Standing animation</translation>
    </message>
    <message>
        <source>画像の欄で立ちアニメーションと画像を切り替えます</source>
        <translation>Switches the portrait box between the standing animation and the portrait</translation>
    </message>
    <message>
        <source>立ちアニメーションを表示できません：%1</source>
        <translation>Cannot show the standing animation: %1</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::BattleActions</name>
    <message>
        <source>失敗しました</source>
        <translation>The operation failed.</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open Folder</translation>
    </message>
    <message>
        <source>対戦</source>
        <translation>&amp;Battle</translation>
    </message>
    <message>
        <source>対戦キャラに登録(&amp;R)</source>
        <translation>&amp;Register as Opponent</translation>
    </message>
    <message>
        <source>キャラクター</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>%1 と対戦</source>
        <translation>Battle vs. %1</translation>
    </message>
    <message>
        <source>何も起りません</source>
        <translation>No character is selected.</translation>
    </message>
    <message>
        <source>対戦相手リストに追加しました : %1</source>
        <translation>Added to the opponent list: %1</translation>
    </message>
    <message>
        <source>対戦相手が登録されていません。
相手にするキャラクターを右クリックし、「対戦キャラに登録」で登録してください。</source>
        <translation>No opponent is registered.
Right-click the character to fight against and choose “Register as Opponent”.</translation>
    </message>
    <message>
        <source>MUGENファイルが見つかりません
設定を確認してください</source>
        <translation>The M.U.G.E.N executable was not found.
Please check the settings.</translation>
    </message>
    <message>
        <source>開けるのはフォルダのみです</source>
        <translation>Only a character kept as a folder can be opened.</translation>
    </message>
    <message>
        <source>フォルダを開けませんでした
%1</source>
        <translation>Could not open the folder.
%1</translation>
    </message>
    <message>
        <source>データ削除失敗</source>
        <translation>Could not delete the row.</translation>
    </message>
    <message>
        <source>%1 は圧縮ファイルのキャラクターなので対戦できません。
対戦させるにはフォルダに展開してください。</source>
        <translation>%1 is kept in an archive and cannot battle.
Extract it into a folder to battle with it.</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::CharacterListModel</name>
    <message>
        <source>このキャラクターのフォルダまたはファイルはキャラクターフォルダから無くなっています</source>
        <translation>This character&apos;s folder or file is no longer in the character folder</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::CheckController</name>
    <message>
        <source>コレクションを検査中</source>
        <translation>Checking the Collection</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::CheckReportLists</name>
    <message>
        <source>リスト更新で記録済み</source>
        <translation>Marked by a list update</translation>
    </message>
    <message>
        <source>未記録 (次のリスト更新で記録)</source>
        <translation>Not marked yet (the next list update marks it)</translation>
    </message>
    <message>
        <source>Name のある .def がありません</source>
        <translation>No .def with a Name</translation>
    </message>
    <message>
        <source>アーカイブを読めません</source>
        <translation>The archive cannot be read</translation>
    </message>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>グループ %1 (%2 件)</source>
        <translation>Group %1 (%2 characters)</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::CheckReportWindow</name>
    <message>
        <source>ファイル名</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>検査は途中で止められました。それまでに見つかったものです。</source>
        <translation>The check was stopped before its end. This is what it had found by then.</translation>
    </message>
    <message>
        <source>検査が終わりました。</source>
        <translation>The check is complete.</translation>
    </message>
    <message>
        <source>問題は見つかりませんでした。</source>
        <translation>No problems were found.</translation>
    </message>
    <message>
        <source>アーカイブ %1 件は、プラグインが中のファイルの一覧を出せないため、ファイルを確かめていません。</source>
        <translation>Archives whose files were not checked, as the plug-in cannot list what they hold: %1.</translation>
    </message>
    <message>
        <source>コレクションの検査</source>
        <translation>Collection Check</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>項目をダブルクリックすると、メインウィンドウのリストでそのキャラクターを選びます。</source>
        <translation>Double-click an entry to select its character in the main window&apos;s list.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>削除できるのは「リスト更新で記録済み」のキャラです。未記録のものは、キャラクターリストを更新すると記録されます。</source>
        <translation>Only characters “Marked by a list update” can be deleted. The others are marked when the character list is updated.</translation>
    </message>
    <message>
        <source>見つからないキャラをカタログから削除(&amp;D)...</source>
        <translation>&amp;Delete Missing Characters from the Catalogue…</translation>
    </message>
    <message>
        <source>見つからないキャラ %1 件</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>壊れたキャラ %1 件</source>
        <translation>Broken: %1</translation>
    </message>
    <message>
        <source>名前と作者が同じ %1 組</source>
        <translation>Same Name and Author: %1</translation>
    </message>
    <message>
        <source>ポートレートが同じ %1 組</source>
        <translation>Same Portrait: %1</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::CollectionCheckAction</name>
    <message>
        <source>ID %1 のキャラクターは表示中のリストにありません (検索で絞り込まれているか、カタログにありません)</source>
        <translation>The character with ID %1 is not in the list shown (the search leaves it out, or it is not in the catalogue)</translation>
    </message>
    <message>
        <source>DBの読み込みでエラーがありました：%1</source>
        <translation>Error while reading the catalogue: %1</translation>
    </message>
    <message>
        <source>リスト更新で見つからないと記録されたキャラはありません。</source>
        <translation>No character is marked missing by a list update.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>削除処理でエラーがありました：%1</source>
        <translation>Error while deleting: %1</translation>
    </message>
    <message>
        <source>見つからないキャラ %1 件をカタログから削除しました</source>
        <translation>Missing characters deleted from the catalogue: %1</translation>
    </message>
    <message>
        <source>リスト更新で見つからないと記録されたキャラ %1 件をカタログから削除します。
</source>
        <translation>Characters marked missing by a list update: %1. They will be deleted from the catalogue.
</translation>
    </message>
    <message>
        <source>そのうち %1 件には入力したコメント・作者2・付加情報があり、それも消えます。
</source>
        <translation>%1 of them carry a Comment, Author 2 or Extra typed in, which goes too.
</translation>
    </message>
    <message>
        <source>フォルダやファイルには触れません。よろしいですか？</source>
        <translation>No folder or file is touched. Continue?</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::ColumnCaption</name>
    <message>
        <source>ファイル名</source>
        <translation>File Name</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::ColumnLayoutPage</name>
    <message>
        <source>表示させる項目</source>
        <translation>&amp;Shown columns</translation>
    </message>
    <message>
        <source>表示させる項目とその他の項目の間で移す</source>
        <translation>Move between shown and other columns</translation>
    </message>
    <message>
        <source>その他の項目</source>
        <translation>&amp;Other columns</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>&amp;Down</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::ColumnNamesPage</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>キャラ名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>別名</source>
        <translation>Display name</translation>
    </message>
    <message>
        <source>作者1</source>
        <translation>Author 1</translation>
    </message>
    <message>
        <source>作者2</source>
        <translation>Author 2</translation>
    </message>
    <message>
        <source>付加情報1</source>
        <translation>Extra 1</translation>
    </message>
    <message>
        <source>付加情報2</source>
        <translation>Extra 2</translation>
    </message>
    <message>
        <source>対応MUGENバージョン</source>
        <translation>MUGEN version</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>キャラのバージョン</source>
        <translation>Character version</translation>
    </message>
    <message>
        <source>カラム名のリネーム</source>
        <translation>&amp;Rename columns</translation>
    </message>
    <message>
        <source>(カラム名)</source>
        <translation>(Column)</translation>
    </message>
    <message>
        <source>(リネーム名)</source>
        <translation>(Shown as)</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::DebugMenu</name>
    <message>
        <source>デバッグ(&amp;D)</source>
        <translation>&amp;Debug</translation>
    </message>
    <message>
        <source>完全削除</source>
        <translation>Delete Permanently</translation>
    </message>
    <message>
        <source>いいの？</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>真ですか！</source>
        <translation>Do you really mean it?</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::DetailGrid</name>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::DetailGridModel</name>
    <message>
        <source>ファイル名</source>
        <translation>File Name</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::DetailPane</name>
    <message>
        <source>更新は失敗しました(%1)：%2</source>
        <translation>Update failed (%1): %2</translation>
    </message>
    <message>
        <source>詳細表示する</source>
        <translation>Show all fields</translation>
    </message>
    <message>
        <source>上記内容で更新</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>編集した内容をカタログに書き込みます (%1)</source>
        <translation>Writes your edits to the catalogue (%1)</translation>
    </message>
    <message>
        <source>SELECT文の処理に失敗しました
</source>
        <translation>The SELECT statement failed
</translation>
    </message>
    <message>
        <source>データ取得途中でエラーが発生しました</source>
        <translation>An error occurred while reading the data</translation>
    </message>
    <message>
        <source>文字数過多です</source>
        <translation>The text is too long</translation>
    </message>
    <message>
        <source>更新されました。</source>
        <translation>Changes saved.</translation>
    </message>
    <message>
        <source>%1 の変更を保存しますか?</source>
        <translation>Save changes to %1?</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::DialogWorker</name>
    <message>
        <source>_beginthread failed.</source>
        <translation>The background job could not be started.</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::EngineStarter</name>
    <message>
        <source>対戦パラメータが長すぎます
キャラ名と対戦パラメータを合わせて%1バイト以内にしてください</source>
        <translation>The battle parameters are too long.
The character names and the battle parameters together must fit in %1 bytes.</translation>
    </message>
    <message>
        <source>Windows用のMUGENを起動するにはwineが必要です
wineをインストールしてください</source>
        <translation>Starting the Windows M.U.G.E.N needs Wine.
Please install Wine.</translation>
    </message>
    <message>
        <source>MUGENを起動できませんでした
%1
%2</source>
        <translation>Could not start M.U.G.E.N.
%1
%2</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::FoldersPage</name>
    <message>
        <source>キャラフォルダ</source>
        <translation>Characters Folder</translation>
    </message>
    <message>
        <source>一時保存領域</source>
        <translation>Temporary Folder</translation>
    </message>
    <message>
        <source>MUGEN実行ファイル</source>
        <translation>MUGEN Executable</translation>
    </message>
    <message>
        <source>MUGEN実行ファイル(mugen, *.exe)|mugen;*.exe|全てのファイル(*.*)|*</source>
        <translation>MUGEN executables (mugen, *.exe)|mugen;*.exe|All files (*.*)|*</translation>
    </message>
    <message>
        <source>キャラフォルダ</source>
        <comment>label</comment>
        <translation>&amp;Characters folder</translation>
    </message>
    <message>
        <source>一時保存領域 ※圧縮ファイルの一時的な展開に使われます</source>
        <translation>&amp;Temporary folder (archives are unpacked here for a while)</translation>
    </message>
    <message>
        <source>MUGEN実行ファイル</source>
        <comment>label</comment>
        <translation>MUGEN &amp;executable</translation>
    </message>
    <message>
        <source>%1は存在しないディレクトリです。</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::LanguageChoice</name>
    <message>
        <source>表示言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::MainToolBar</name>
    <message>
        <source>データリスト更新</source>
        <translation>Update Character List</translation>
    </message>
    <message>
        <source>対戦パラメータ</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>パラメータ%1</source>
        <translation>Parameters %1</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::OpponentsPage</name>
    <message>
        <source>対戦相手</source>
        <translation>&amp;Opponents</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>ここに登録したキャラは、
右クリック時の「対戦」で
対戦相手として選ぶことが出来ます。
圧縮ファイルは対戦できません。
フォルダ形式のキャラの場合、
defファイル名がフォルダ名と
同じである必要があります。

登録はメイン画面の右クリックで
行ってください。</source>
        <translation>Characters registered here can
be chosen as opponents with
“Battle” on the right-click menu.
Archived characters cannot battle.
A character in a folder needs
a .def file named like its folder.

Register characters from the
right-click menu of the main window.</translation>
    </message>
    <message>
        <source>対戦パラメータA</source>
        <translation>Battle parameters &amp;A</translation>
    </message>
    <message>
        <source>対戦パラメータB</source>
        <translation>Battle parameters &amp;B</translation>
    </message>
    <message>
        <source>対戦パラメータC</source>
        <translation>Battle parameters &amp;C</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::PortraitDrawing</name>
    <message>
        <source>No Image</source>
        <translation>No Image</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::PortraitGridSwitch</name>
    <message>
        <source>ポートレート一覧(&amp;G)</source>
        <translation>Portrait &amp;Grid</translation>
    </message>
    <message>
        <source>ポートレート一覧</source>
        <translation>Portrait Grid</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::PortraitPane</name>
    <message>
        <source>キャラクターの画像</source>
        <translation>Character portrait</translation>
    </message>
    <message>
        <source>クリックすると画像ファイルで置き換えます</source>
        <translation>Click to replace it with an image file</translation>
    </message>
    <message>
        <source>データ読み込みエラー</source>
        <translation>Could not read the portrait data.</translation>
    </message>
    <message>
        <source>画像データ取得処理のクローズ中にエラーが発生しました。(%1)</source>
        <translation>An error occurred while finishing the portrait read. (%1)</translation>
    </message>
    <message>
        <source>ファイルの読み込みに失敗しました。</source>
        <translation>Could not read the file.</translation>
    </message>
    <message>
        <source>書き込みに失敗しました : %1</source>
        <translation>Could not write: %1</translation>
    </message>
    <message>
        <source>一時ディレクトリを設定できません</source>
        <translation>The temporary folder cannot be set up.</translation>
    </message>
    <message>
        <source>Image|*.bmp;*.png;*.jpg;*.tif;*.emf;*.gif;|all|*.*</source>
        <translation>Images|*.bmp;*.png;*.jpg;*.tif;*.emf;*.gif;|All files|*.*</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::PortraitRecaptureAction</name>
    <message>
        <source>ポートレートを取り込み直し中</source>
        <translation>Recapturing Portraits</translation>
    </message>
    <message numerus="yes">
        <source>表示中のキャラクター %n 件のポートレートを、現在の設定 (Group %1, Image %2) で取り込み直します。
</source>
        <translation>
            <numerusform>The portrait of the %n character shown will be recaptured with the current settings (Group %1, Image %2).
</numerusform>
            <numerusform>The portraits of the %n characters shown will be recaptured with the current settings (Group %1, Image %2).
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ファイルから差し替えたポートレート %n 件はそのまま残します。
</source>
        <translation>
            <numerusform>%n portrait replaced from a file stays as it is.
</numerusform>
            <numerusform>%n portraits replaced from a file stay as they are.
</numerusform>
        </translation>
    </message>
    <message>
        <source>画像を取り込めないキャラクターは今のポートレートのままです。
よろしいですか？</source>
        <translation>Characters whose image cannot be captured keep their current portrait.
Do you want to continue?</translation>
    </message>
    <message>
        <source>DBの読み込みでエラーがありました：%1</source>
        <translation>Could not read the catalogue: %1</translation>
    </message>
    <message>
        <source>表示中のリストにキャラクターがありません。</source>
        <translation>The list shown has no characters.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::ProgramTranslation</name>
    <message>
        <source>M.U.G.E.N キャラクター管理ツール</source>
        <translation>M.U.G.E.N character management tool</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::RosterExportAction</name>
    <message>
        <source>select.defを書き出せませんでした。
%1</source>
        <translation>Could not write select.def.
%1</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::RosterExportDialog</name>
    <message>
        <source>select.defを書き出す</source>
        <translation>Export select.def</translation>
    </message>
    <message>
        <source>書き出し先(&amp;F):</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>アーケードモードで何番目の組に出るか (order=N)</source>
        <translation>Which group of arcade mode the characters fight in (order=N)</translation>
    </message>
    <message>
        <source>順番 order(&amp;O):</source>
        <translation>&amp;Order:</translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>書き出すファイルを選ぶ</source>
        <translation>Choose the file to write</translation>
    </message>
    <message>
        <source>ステージ</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>指定しない(&amp;N)</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>ランダム random(&amp;A)</source>
        <translation>R&amp;andom</translation>
    </message>
    <message>
        <source>固定(&amp;X):</source>
        <translation>Fi&amp;xed:</translation>
    </message>
    <message>
        <source>固定するステージ</source>
        <translation>Fixed stage</translation>
    </message>
    <message>
        <source>[Characters] の書き方</source>
        <translation>Writing [Characters]</translation>
    </message>
    <message>
        <source>置き換える(&amp;R)</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>[Characters] を、今回書き出すキャラクターの行だけにします (randomselect の行は残します)。</source>
        <translation>[Characters] holds only the lines of the characters exported now (randomselect lines stay).</translation>
    </message>
    <message>
        <source>残して加える(&amp;M)</source>
        <translation>&amp;Merge</translation>
    </message>
    <message>
        <source>今回書き出さないキャラクター (カタログにないものなど) の行は残します。</source>
        <translation>The lines of characters not exported now (those not in the catalogue, say) stay.</translation>
    </message>
    <message>
        <source>一覧に表示中の %1 件を、今の検索と並び順のまま書き出します。
アーカイブのキャラクターはエンジンが読めないため書き出しません。
元のファイルは最初は .bak に、以降は日時付きの .bak に残し、
[Characters] の外は書き換えません。</source>
        <translation>Characters shown in the list: %1. They are exported in the search and order shown.
Characters in archives are left out: the engine cannot read them.
The old file is kept as .bak the first time, then as a dated .bak,
and nothing outside [Characters] is changed.</translation>
    </message>
    <message>
        <source>一覧にキャラクターがありません。検索を変えてから書き出してください。</source>
        <translation>The list shows no character. Change the search, then export.</translation>
    </message>
    <message>
        <source>書き出す select.def</source>
        <translation>select.def to Write</translation>
    </message>
    <message>
        <source>select.def|select.def;*.def|全てのファイル(*.*)|*.*</source>
        <translation>select.def|select.def;*.def|All Files (*.*)|*.*</translation>
    </message>
    <message>
        <source>壊れたキャラを除く(&amp;B)</source>
        <translation>Leave out &amp;broken characters</translation>
    </message>
    <message>
        <source>コレクションの検査で壊れていると分かるキャラクター (.def が書くファイルが無いもの) と、スプライトファイルの無いキャラクターを書き出しません。</source>
        <translation>Characters the collection check finds broken (a file their .def names is missing) and characters without a sprite file are not written.</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::RosterReportDialog</name>
    <message>
        <source>%1 はすでにこの内容です。何も書き換えていません。</source>
        <translation>%1 already holds this. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 に %2 行を書き出しました。</source>
        <translation>Lines written to %1: %2.</translation>
    </message>
    <message>
        <source>%1 はリンクなので、リンク先のファイルを書き換えました。</source>
        <translation>%1 is a link, so the file it points to was written.</translation>
    </message>
    <message>
        <source>以前の行を %1 行残しました。</source>
        <translation>Earlier lines kept: %1.</translation>
    </message>
    <message>
        <source>元のファイルは %1 に残してあります。</source>
        <translation>The old file is kept as %1.</translation>
    </message>
    <message>
        <source>最初のバックアップ %1.bak はそのまま残してあります (日時付きのバックアップは新しい 10 個まで)。</source>
        <translation>The first backup, %1.bak, is kept as it was (of the dated backups, the newest 10 are kept).</translation>
    </message>
    <message>
        <source>select.defの書き出し</source>
        <translation>select.def Export</translation>
    </message>
    <message>
        <source>アーカイブのキャラクター (エンジンはアーカイブから読めません)(&amp;A): %1 件</source>
        <translation>Characters in &amp;archives (the engine cannot read archives): %1</translation>
    </message>
    <message>
        <source>Name のある .def が見つからなかったキャラクター(&amp;D): %1 件</source>
        <translation>Characters &amp;without a .def that has a Name: %1</translation>
    </message>
    <message>
        <source>名前を select.def の行に書けないキャラクター(&amp;N): %1 件</source>
        <translation>Characters whose &amp;names a select.def line cannot hold: %1</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>壊れているため除いたキャラクター (見つからないファイル)(&amp;B): %1 件</source>
        <translation>Left out as &amp;broken (the file not found): %1</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::SearchBar</name>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>に一致</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>検索対象</source>
        <translation>Search in</translation>
    </message>
    <message>
        <source>に一致(&amp;C)</source>
        <translation>&amp;Matches</translation>
    </message>
    <message>
        <source>で始まる(&amp;B)</source>
        <translation>&amp;Begins With</translation>
    </message>
    <message>
        <source>で終わる(&amp;E)</source>
        <translation>&amp;Ends With</translation>
    </message>
    <message>
        <source>を含む(&amp;P)</source>
        <translation>&amp;Contains</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::TForm1</name>
    <message>
        <source>検索結果 : %1件</source>
        <translation>Results: %1</translation>
    </message>
    <message>
        <source>一時ディレクトリを設定できません</source>
        <translation>The temporary folder cannot be set up</translation>
    </message>
    <message>
        <source>Zorvikをご使用いただき有難うございます。
キャラクターリストを更新する前に、設定をご確認下さい。</source>
        <translation>Thank you for using Zorvik.
Please check the settings before you update the character list.</translation>
    </message>
    <message>
        <source>設定ファイルを書き込めませんでした : %1</source>
        <translation>The settings could not be written: %1</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::TForm2</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>ディレクトリ</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>検索/更新</source>
        <translation>Search/Update</translation>
    </message>
    <message>
        <source>カラム</source>
        <translation>Column Names</translation>
    </message>
    <message>
        <source>一覧</source>
        <translation>List Layout</translation>
    </message>
    <message>
        <source>対戦相手</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::TForm3</name>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>更新作業中</source>
        <translation>Updating Character List</translation>
    </message>
    <message>
        <source>処理停止中……お待ち下さい</source>
        <translation>Stopping… please wait</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::TVersionForm</name>
    <message>
        <source>Version = 1.0.0&lt;br&gt;作者：Zorvik プロジェクト&lt;br&gt;Web サイト：&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;本ソフトウェアは無保証で提供されます。&lt;br&gt;使用によって生じた損害について、作者は一切の責任を負いません。</source>
        <translation>Version = 1.0.0&lt;br&gt;Author: the Zorvik project&lt;br&gt;Website: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;This software is provided without any warranty.&lt;br&gt;The author accepts no liability for any damage arising from its use.</translation>
    </message>
    <message>
        <source>画像：Zorvik プロジェクトがプログラムで描いたものです。&lt;br&gt;写真は使用していません。</source>
        <translation>Pictures: drawn in code by the Zorvik project.&lt;br&gt;No photographs are used.</translation>
    </message>
    <message>
        <source>Zorvikについて</source>
        <translation>About Zorvik</translation>
    </message>
    <message>
        <source>わかった、もういい</source>
        <translation>Got It, That&apos;s Enough</translation>
    </message>
    <message>
        <source>（ゾルヴィク）</source>
        <translation>(say ZOR-vik)</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::UpdatePage</name>
    <message>
        <source>リスト更新</source>
        <translation>List Update</translation>
    </message>
    <message>
        <source>リスト済キャラも更新確認する</source>
        <translation>Also check listed characters for &amp;changes</translation>
    </message>
    <message>
        <source>起動時にリストを更新する</source>
        <translation>&amp;Update the list at startup</translation>
    </message>
    <message>
        <source>画像を登録する</source>
        <translation>Register &amp;portraits</translation>
    </message>
    <message>
        <source>サブフォルダも検索する</source>
        <translation>&amp;Search subfolders too</translation>
    </message>
    <message>
        <source>.def の無いフォルダを分類フォルダとして、6階層下まで検索します</source>
        <translation>Folders without a .def are taken as category folders, searched down to 6 levels</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>&amp;Group</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>注：SFFv1とSFFv2（v2.00/v2.01）を処理します</source>
        <translation>Note: SFF v1 and SFF v2 (v2.00/v2.01) are read</translation>
    </message>
    <message>
        <source>リストアップ対象</source>
        <translation>Kinds to List</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>&amp;Folders</translation>
    </message>
    <message>
        <source>zip (.zip)</source>
        <translation>&amp;zip (.zip)</translation>
    </message>
    <message>
        <source>7-zip (.7z)</source>
        <translation>&amp;7-zip (.7z)</translation>
    </message>
    <message>
        <source>RAR (.rar)</source>
        <translation>&amp;RAR (.rar)</translation>
    </message>
    <message>
        <source>一つのフォルダ、圧縮ファイルで
認識できるキャラは1体のみ。

圧縮ファイルの場合、書庫中に
全く同じ名前のファイルが複数あると
不具合を起こすことがあります。</source>
        <translation>A folder or an archive is taken
as one character only.

An archive holding several files
of exactly the same name may
cause trouble.</translation>
    </message>
</context>
<context>
    <name>zorvik::gui::settings_controls</name>
    <message>
        <source>%1を選ぶ</source>
        <translation>Choose %1</translation>
    </message>
</context>
</TS>
