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
    <name>zorvik::cli</name>
    <message>
        <source>一時ディレクトリを設定できません</source>
        <translation>cannot set up a temporary folder</translation>
    </message>
    <message>
        <source>ツール → ポートレートを取り込み直す</source>
        <translation>Tools → Recapture Portraits</translation>
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
