<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans">
<context>
    <name>langues</name>
    <message>
        <source>langues.llangueencours</source>
        <translation>chinois simp.</translation>
    </message>
</context>
</TS>
