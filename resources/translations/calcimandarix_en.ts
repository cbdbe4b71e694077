<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>langues</name>
    <message>
        <source>langues.llangueencours</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>langues.lxhorslimites</source>
        <translation>Out of range:&#13;Use only numbers between -999999999999.99 and 999999999999.99.</translation>
    </message>
    <message>
        <source>langues.lxlefichierregleestintrouvable</source>
        <translation>The “Rules of writing” document cannot be found.</translation>
    </message>
    <message>
        <source>langues.lbOuvrirlangues</source>
        <translation>Open the system’s language settings</translation>
    </message>
    <message>
        <source>langues.lfalouverture</source>
        <translation>When opening Calcimandarix:</translation>
    </message>
    <message>
        <source>langues.lfcaracteresalouverture</source>
        <translation>Characters when opening Calcimandarix</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>platform.lxouvertureimpossible</source>
        <translation>Nothing on this system can open “%1”.</translation>
    </message>
    <message>
        <source>platform.lxpasdereglageslangue</source>
        <translation>No language settings tool was found on this system.</translation>
    </message>
</context>
</TS>
