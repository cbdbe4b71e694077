<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>langues</name>
    <message>
        <source>langues.llangueencours</source>
        <translation>francais</translation>
    </message>
</context>
</TS>
