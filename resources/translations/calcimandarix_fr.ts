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
