<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>langues</name>
    <message>
        <source>langues.llangueencours</source>
        <translation>Anglais</translation>
    </message>
</context>
</TS>
