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
