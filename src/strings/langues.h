#pragma once
// The interface texts: each function returns the text of its key "langues.<name>" in the UI
// language, or its English default. Nothing is cached: every call looks the text up anew.

#include <QString>
#include <QStringList>

namespace langues {

QString lfchiffresarabes();
QString lfcaractereschinois();
QString lmecranencours();
QString lmaide();
QString lmcaracteres();
QString lmfenetre();
QString lmedition();
QString lmcouper();
QString lmcopier();
QString lmcoller();
QString lmconvertisseur();
QString lmapropos();
QString lmbande();
QString lmusuelle();
QString lmtraditionnel();
QString lmsimplifie();
QString llangueencours();
QString lheffacertout();
QString lmaidesurtouche();
QString lmfinanciere();
QString lhafficherbande();
QString lxhorslimites();
QString lhunpas();
QString lhmasquerbande();
QString lhmasquerconvertisseur();
QString lhafficherconvertisseur();
QString lxecritureincorrecte();
QString lfversion();
QString lxparzero();
QString lfouimais1();
QString lfgratuiciel();
QString lmregles();
QString lmaideacalcimandarix();
QString lheffacerlabande();
QString lhca();
QString lhcr();
QString lxlefichierregleestintrouvable();
QString lfbande();
QString lbOuvrirlangues();
QString lbOK();
QString lfpreferences();
QString lfbienvenuetitre();
QString lfalouverture();
QString lfafficherlafenetrebienvenue();
QString lfnepasafficherlafenetrebienvenue();
QString lfdefault();
QString lfFenetrebienvenue();
QString lfcaracteresalouverture();
QString lxlefichieraideestintrouvable();

// Every key with its English default, in the order of the table.
struct Entry {
  const char* name;
  const char16_t* defaultText;
};
const Entry* entries(int* count);

}  // namespace langues
