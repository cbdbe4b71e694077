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
    <name>acces</name>
    <message>
        <source>acces.Fpr.BBz</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>acces.Fpr.BB1</source>
        <translation>one</translation>
    </message>
    <message>
        <source>acces.Fpr.BB2</source>
        <translation>two</translation>
    </message>
    <message>
        <source>acces.Fpr.BB3</source>
        <translation>three</translation>
    </message>
    <message>
        <source>acces.Fpr.BB4</source>
        <translation>four</translation>
    </message>
    <message>
        <source>acces.Fpr.BB5</source>
        <translation>five</translation>
    </message>
    <message>
        <source>acces.Fpr.BB6</source>
        <translation>six</translation>
    </message>
    <message>
        <source>acces.Fpr.BB7</source>
        <translation>seven</translation>
    </message>
    <message>
        <source>acces.Fpr.BB8</source>
        <translation>eight</translation>
    </message>
    <message>
        <source>acces.Fpr.BB9</source>
        <translation>nine</translation>
    </message>
    <message>
        <source>acces.Fpr.BB10</source>
        <translation>ten</translation>
    </message>
    <message>
        <source>acces.Fpr.BB100</source>
        <translation>hundred</translation>
    </message>
    <message>
        <source>acces.Fpr.BB1000</source>
        <translation>thousand</translation>
    </message>
    <message>
        <source>acces.Fpr.BB104</source>
        <translation>ten thousand</translation>
    </message>
    <message>
        <source>acces.Fpr.BB108</source>
        <translation>hundred million</translation>
    </message>
    <message>
        <source>acces.Fpr.BBn</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>acces.Fpr.BBp</source>
        <translation>point</translation>
    </message>
    <message>
        <source>acces.Fpr.BBad</source>
        <translation>add</translation>
    </message>
    <message>
        <source>acces.Fpr.BBsous</source>
        <translation>subtract</translation>
    </message>
    <message>
        <source>acces.Fpr.BBmu</source>
        <translation>multiply</translation>
    </message>
    <message>
        <source>acces.Fpr.BBdiv</source>
        <translation>divide</translation>
    </message>
    <message>
        <source>acces.Fpr.BBe</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>acces.Fpr.BevelButton1</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>acces.Fpr.BevelButton2</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>acces.Fpr.Canvas4</source>
        <translation>Calculator display</translation>
    </message>
    <message>
        <source>acces.Fpr.DisclosureTriangle1</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>acces.Fpr.DisclosureTriangle2</source>
        <translation>Paper tape</translation>
    </message>
    <message>
        <source>acces.Fpr.EFca</source>
        <translation>Chinese numerals</translation>
    </message>
    <message>
        <source>acces.Fpr.EFcr</source>
        <translation>Arabic numerals</translation>
    </message>
    <message>
        <source>acces.fband.EditField1</source>
        <translation>Paper tape</translation>
    </message>
    <message>
        <source>acces.fband.BevelButton1</source>
        <translation>clear paper tape</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas1</source>
        <translation>Badly written</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas2</source>
        <translation>Well written</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.PushButton1</source>
        <translation>Open the system’s language settings</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.PushButton2</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.CheckBox1</source>
        <translation>Do not show this window at start</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas3</source>
        <translation>Welcome to Calcimandarix</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas3.texte</source>
        <translation>Calcimandarix calculates with Chinese numerals and converts them into Arabic numerals and back, in simplified or traditional characters, usual or financial. Use the keypad, or unfold the converter with the triangle at the bottom left.&#10;To type Chinese characters with your keyboard you may need a Chinese input method: the first button below opens your system's language settings.&#10;Write 零 for zero, not 〇; 二 for two, not 两; and keep to one table of characters.</translation>
    </message>
    <message>
        <source>acces.FPreferences.GroupBox1</source>
        <translation>“Welcome” window</translation>
    </message>
    <message>
        <source>acces.FPreferences.GroupBox2</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>acces.FPreferences.GroupBox3</source>
        <translation>Notation</translation>
    </message>
    <message>
        <source>acces.fouimais</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>acces.fapropos.Canvas1</source>
        <translation>Calcimandarix icon</translation>
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
