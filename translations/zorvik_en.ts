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
    <name>zorvik::gui::CharacterListModel</name>
    <message>
        <source>このキャラクターのフォルダまたはファイルはキャラクターフォルダから無くなっています</source>
        <translation>This character&apos;s folder or file is no longer in the character folder</translation>
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
</context>
<context>
    <name>zorvik::gui::DialogWorker</name>
    <message>
        <source>_beginthread failed.</source>
        <translation>The background job could not be started.</translation>
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
</TS>
