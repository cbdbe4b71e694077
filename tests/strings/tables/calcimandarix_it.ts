<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<!-- A table that lacks every key but two: the others fall back to their English defaults. -->
<context>
    <name>langues</name>
    <message>
        <source>langues.llangueencours</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>langues.lmaide</source>
        <translation>Aiuto</translation>
    </message>
</context>
</TS>
