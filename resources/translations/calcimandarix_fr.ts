<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>langues</name>
    <message>
        <source>langues.lfchiffresarabes</source>
        <translation>Chiffres arabes</translation>
    </message>
    <message>
        <source>langues.lfcaractereschinois</source>
        <translation>Caractères chinois</translation>
    </message>
    <message>
        <source>langues.lmecranencours</source>
        <translation>Écran en chiffres arabes</translation>
    </message>
    <message>
        <source>langues.lmaide</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>langues.lmcaracteres</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>langues.lmfenetre</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>langues.lmedition</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>langues.lmcouper</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>langues.lmcopier</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>langues.lmcoller</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>langues.lmconvertisseur</source>
        <translation>Convertisseur</translation>
    </message>
    <message>
        <source>langues.lmapropos</source>
        <translation>À propos de Calcimandarix</translation>
    </message>
    <message>
        <source>langues.lmbande</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>langues.lmusuelle</source>
        <translation>Caractères usuels</translation>
    </message>
    <message>
        <source>langues.lmtraditionnel</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>langues.lmsimplifie</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>langues.llangueencours</source>
        <translation>francais</translation>
    </message>
    <message>
        <source>langues.lheffacertout</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>langues.lmaidesurtouche</source>
        <translation>Aide sur les touches</translation>
    </message>
    <message>
        <source>langues.lmfinanciere</source>
        <translation>Caractères financiers</translation>
    </message>
    <message>
        <source>langues.lhafficherbande</source>
        <translation>Afficher la bande papier</translation>
    </message>
    <message>
        <source>langues.lxhorslimites</source>
        <translation>Hors limites :&#13;N'utilisez que des nombres compris entre -999999999999.99 et 999999999999.99.</translation>
    </message>
    <message>
        <source>langues.lhunpas</source>
        <translation>Un pas en arrière</translation>
    </message>
    <message>
        <source>langues.lhmasquerbande</source>
        <translation>Masquer la bande papier</translation>
    </message>
    <message>
        <source>langues.lhmasquerconvertisseur</source>
        <translation>Masquer le convertisseur</translation>
    </message>
    <message>
        <source>langues.lhafficherconvertisseur</source>
        <translation>Afficher le convertisseur</translation>
    </message>
    <message>
        <source>langues.lxecritureincorrecte</source>
        <translation>Écriture incorrecte.</translation>
    </message>
    <message>
        <source>langues.lfversion</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>langues.lxparzero</source>
        <translation>Division par zéro impossible.</translation>
    </message>
    <message>
        <source>langues.lfouimais1</source>
        <translation>Oui, mais certains caractères ne sont pas du jeu</translation>
    </message>
    <message>
        <source>langues.lfgratuiciel</source>
        <translation>Calcimandarix est un gratuiciel :&#13;copiez-le et partagez-le librement.&#13;— Les auteurs de Calcimandarix&#13;&#13;</translation>
    </message>
    <message>
        <source>langues.lmregles</source>
        <translation>Règles d'écriture</translation>
    </message>
    <message>
        <source>langues.lmaideacalcimandarix</source>
        <translation>Aide de Calcimandarix</translation>
    </message>
    <message>
        <source>langues.lheffacerlabande</source>
        <translation>Effacer la bande papier.</translation>
    </message>
    <message>
        <source>langues.lhca</source>
        <translation>Utilisez le clavier de Calcimandarix, collez, glissez ou utilisez votre méthode de saisie du chinois habituelle.</translation>
    </message>
    <message>
        <source>langues.lhcr</source>
        <translation>Tapez, collez, glissez ou utilisez n'importe quelle méthode de saisie.</translation>
    </message>
    <message>
        <source>langues.lxlefichierregleestintrouvable</source>
        <translation>Le document « Règles d'écriture » est introuvable.</translation>
    </message>
    <message>
        <source>langues.lfbande</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>langues.lbOuvrirlangues</source>
        <translation>Ouvrir les réglages de langue du système</translation>
    </message>
    <message>
        <source>langues.lbOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>langues.lfpreferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>langues.lfbienvenuetitre</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>langues.lfalouverture</source>
        <translation>À l'ouverture de Calcimandarix :</translation>
    </message>
    <message>
        <source>langues.lfafficherlafenetrebienvenue</source>
        <translation>afficher la fenêtre « Bienvenue ».</translation>
    </message>
    <message>
        <source>langues.lfnepasafficherlafenetrebienvenue</source>
        <translation>ne pas afficher la fenêtre « Bienvenue ».</translation>
    </message>
    <message>
        <source>langues.lfdefault</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>langues.lfFenetrebienvenue</source>
        <translation>Fenêtre « Bienvenue »</translation>
    </message>
    <message>
        <source>langues.lfcaracteresalouverture</source>
        <translation>Caractères à l'ouverture de Calcimandarix</translation>
    </message>
    <message>
        <source>langues.lxlefichieraideestintrouvable</source>
        <translation>L'aide de Calcimandarix est introuvable.</translation>
    </message>
</context>
<context>
    <name>acces</name>
    <message>
        <source>acces.Fpr.BBz</source>
        <translation>zéro</translation>
    </message>
    <message>
        <source>acces.Fpr.BB1</source>
        <translation>un</translation>
    </message>
    <message>
        <source>acces.Fpr.BB2</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>acces.Fpr.BB3</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>acces.Fpr.BB4</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>acces.Fpr.BB5</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>acces.Fpr.BB6</source>
        <translation>six</translation>
    </message>
    <message>
        <source>acces.Fpr.BB7</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>acces.Fpr.BB8</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>acces.Fpr.BB9</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>acces.Fpr.BB10</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>acces.Fpr.BB100</source>
        <translation>cent</translation>
    </message>
    <message>
        <source>acces.Fpr.BB1000</source>
        <translation>mille</translation>
    </message>
    <message>
        <source>acces.Fpr.BB104</source>
        <translation>dix mille</translation>
    </message>
    <message>
        <source>acces.Fpr.BB108</source>
        <translation>cent millions</translation>
    </message>
    <message>
        <source>acces.Fpr.BBn</source>
        <translation>signe moins</translation>
    </message>
    <message>
        <source>acces.Fpr.BBp</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>acces.Fpr.BBad</source>
        <translation>additionner</translation>
    </message>
    <message>
        <source>acces.Fpr.BBsous</source>
        <translation>soustraire</translation>
    </message>
    <message>
        <source>acces.Fpr.BBmu</source>
        <translation>multiplier</translation>
    </message>
    <message>
        <source>acces.Fpr.BBdiv</source>
        <translation>diviser</translation>
    </message>
    <message>
        <source>acces.Fpr.BBe</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>acces.Fpr.BevelButton1</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>acces.Fpr.BevelButton2</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>acces.Fpr.Canvas4</source>
        <translation>Écran de la calculatrice</translation>
    </message>
    <message>
        <source>acces.Fpr.DisclosureTriangle1</source>
        <translation>Convertisseur</translation>
    </message>
    <message>
        <source>acces.Fpr.DisclosureTriangle2</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>acces.Fpr.EFca</source>
        <translation>Nombres chinois</translation>
    </message>
    <message>
        <source>acces.Fpr.EFcr</source>
        <translation>Chiffres arabes</translation>
    </message>
    <message>
        <source>acces.fband.EditField1</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>acces.fband.BevelButton1</source>
        <translation>effacer la bande papier</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas1</source>
        <translation>Mal écrit</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas2</source>
        <translation>Bien écrit</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.PushButton1</source>
        <translation>Ouvrir les réglages de langue du système</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.PushButton2</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.CheckBox1</source>
        <translation>Ne plus afficher cette fenêtre au démarrage</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas3</source>
        <translation>Bienvenue dans Calcimandarix</translation>
    </message>
    <message>
        <source>acces.Fbienvenueavec.Canvas3.texte</source>
        <translation>Calcimandarix calcule avec les nombres chinois et les convertit en chiffres arabes et inversement, en caractères simplifiés ou traditionnels, usuels ou financiers. Utilisez le clavier, ou dépliez le convertisseur par le triangle en bas à gauche.&#10;Pour taper du chinois au clavier, il vous faudra peut-être une méthode de saisie chinoise : le premier bouton ci-dessous ouvre les réglages de langue du système.&#10;Écrivez 零 pour zéro, pas 〇 ; 二 pour deux, pas 两 ; et gardez une seule table de caractères.</translation>
    </message>
    <message>
        <source>acces.FPreferences.GroupBox1</source>
        <translation>Fenêtre « Bienvenue »</translation>
    </message>
    <message>
        <source>acces.FPreferences.GroupBox2</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>acces.FPreferences.GroupBox3</source>
        <translation>Notation</translation>
    </message>
    <message>
        <source>acces.fouimais</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>acces.fapropos.Canvas1</source>
        <translation>Icône de Calcimandarix</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>platform.lxouvertureimpossible</source>
        <translation>Rien sur ce système ne peut ouvrir « %1 ».</translation>
    </message>
    <message>
        <source>platform.lxpasdereglageslangue</source>
        <translation>Aucun outil de réglage de la langue n’a été trouvé sur ce système.</translation>
    </message>
</context>
</TS>
