#include "strings/langues.h"

#include <iterator>

#include "platform/application.h"

namespace langues {

namespace {

const Entry table[] = {
    {"lfchiffresarabes", u"Arabic numerals"},
    {"lfcaractereschinois", u"Chinese characters"},
    {"lmecranencours", u"Current screen"},
    {"lmaide", u"Help"},
    {"lmcaracteres", u"Characters"},
    {"lmfenetre", u"Window"},
    {"lmedition", u"Edit"},
    {"lmcouper", u"Cut"},
    {"lmcopier", u"Copy"},
    {"lmcoller", u"Paste"},
    {"lmconvertisseur", u"Converter"},
    {"lmapropos", u"About Calcimandarix"},
    {"lmbande", u"Paper tape"},
    {"lmusuelle", u"Usual characters"},
    {"lmtraditionnel", u"Traditional chinese"},
    {"lmsimplifie", u"Simplified chinese"},
    {"llangueencours", u"langue"},
    {"lheffacertout", u"Clear all"},
    {"lmaidesurtouche", u"Help on key"},
    {"lmfinanciere", u"Financial characters"},
    {"lhafficherbande", u"Show paper tape"},
    {"lxhorslimites", u"Out of bound :\rUse only nombres between -999999999999.99 and 999999999999.99."},
    {"lhunpas", u"One step backwards"},
    {"lhmasquerbande", u"Hide paper tape"},
    {"lhmasquerconvertisseur", u"Hide converter"},
    {"lhafficherconvertisseur", u"Show converter"},
    {"lxecritureincorrecte", u"Incorrect writing."},
    {"lfversion", u"Version 1.0"},
    {"lxparzero", u"Cannot divide by zero."},
    {"lfouimais1", u"Yes, but some characters do not match"},
    {"lfgratuiciel", u"Calcimandarix is freeware.\rCopy it and share it freely.\r— The Calcimandarix developers\r\r"},
    {"lmregles", u"Rules of writing"},
    {"lmaideacalcimandarix", u"Calcimandarix help"},
    {"lheffacerlabande", u"Clear paper tape."},
    {"lhca", u"Use Calcimandarix keyboard, paste, drag or use your usual chinese input method."},
    {"lhcr", u"Type, paste, drag or use any input method."},
    {"lxlefichierregleestintrouvable", u"langue"},
    {"lfbande", u"Paper tape"},
    {"lbOuvrirlangues", u"Ouvrir \"Préférences Système/International/Langues\""},
    {"lbOK", u"OK"},
    {"lfpreferences", u"Preferences"},
    {"lfbienvenuetitre", u"Welcome"},
    {"lfalouverture", u"When opening 1zo2ri"},
    {"lfafficherlafenetrebienvenue", u"show \"Welcome\" window."},
    {"lfnepasafficherlafenetrebienvenue", u"do not show \"Welcome\" window."},
    {"lfdefault", u"Default"},
    {"lfFenetrebienvenue", u"\"Welcome\" window."},
    {"lfcaracteresalouverture", u"When opening Calcimandarix"},
    {"lxlefichieraideestintrouvable", u"Calcimandarix Help not found."},
};

QString lookup(int row) {
  const Entry& entry = table[row];
  return platform::GetLocalizedString(QStringLiteral("langues.") + QLatin1String(entry.name),
                                      QString::fromUtf16(entry.defaultText));
}

}  // namespace

const Entry* entries(int* count) {
  *count = static_cast<int>(std::size(table));
  return table;
}

QString lfchiffresarabes() { return lookup(0); }
QString lfcaractereschinois() { return lookup(1); }
QString lmecranencours() { return lookup(2); }
QString lmaide() { return lookup(3); }
QString lmcaracteres() { return lookup(4); }
QString lmfenetre() { return lookup(5); }
QString lmedition() { return lookup(6); }
QString lmcouper() { return lookup(7); }
QString lmcopier() { return lookup(8); }
QString lmcoller() { return lookup(9); }
QString lmconvertisseur() { return lookup(10); }
QString lmapropos() { return lookup(11); }
QString lmbande() { return lookup(12); }
QString lmusuelle() { return lookup(13); }
QString lmtraditionnel() { return lookup(14); }
QString lmsimplifie() { return lookup(15); }
QString llangueencours() { return lookup(16); }
QString lheffacertout() { return lookup(17); }
QString lmaidesurtouche() { return lookup(18); }
QString lmfinanciere() { return lookup(19); }
QString lhafficherbande() { return lookup(20); }
QString lxhorslimites() { return lookup(21); }
QString lhunpas() { return lookup(22); }
QString lhmasquerbande() { return lookup(23); }
QString lhmasquerconvertisseur() { return lookup(24); }
QString lhafficherconvertisseur() { return lookup(25); }
QString lxecritureincorrecte() { return lookup(26); }
QString lfversion() { return lookup(27); }
QString lxparzero() { return lookup(28); }
QString lfouimais1() { return lookup(29); }
QString lfgratuiciel() { return lookup(30); }
QString lmregles() { return lookup(31); }
QString lmaideacalcimandarix() { return lookup(32); }
QString lheffacerlabande() { return lookup(33); }
QString lhca() { return lookup(34); }
QString lhcr() { return lookup(35); }
QString lxlefichierregleestintrouvable() { return lookup(36); }
QString lfbande() { return lookup(37); }
QString lbOuvrirlangues() { return lookup(38); }
QString lbOK() { return lookup(39); }
QString lfpreferences() { return lookup(40); }
QString lfbienvenuetitre() { return lookup(41); }
QString lfalouverture() { return lookup(42); }
QString lfafficherlafenetrebienvenue() { return lookup(43); }
QString lfnepasafficherlafenetrebienvenue() { return lookup(44); }
QString lfdefault() { return lookup(45); }
QString lfFenetrebienvenue() { return lookup(46); }
QString lfcaracteresalouverture() { return lookup(47); }
QString lxlefichieraideestintrouvable() { return lookup(48); }

}  // namespace langues
