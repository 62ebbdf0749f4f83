<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A table for the test of the companion's English: texts that a C++
     literal must escape, and sources that sort differently as signed and
     unsigned bytes. -->
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>zorvik::cli</name>
    <message>
        <source>引用 &quot;%1&quot;</source>
        <translation>quoted &quot;%1&quot; \ back\slash</translation>
    </message>
    <message>
        <source>二行
目</source>
        <translation>two
lines</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>é1 ??= ?</translation>
    </message>
    <message>
        <source>未訳</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zorvik::Message</name>
    <message>
        <source>Z</source>
        <translation>other context</translation>
    </message>
</context>
</TS>
