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
</TS>
