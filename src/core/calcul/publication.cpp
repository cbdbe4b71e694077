// What the reader and the writer produce, shown where the routing points: the display with its
// echo and the current tape and history lines, or the converter fields.

#include "calcul/calculette.h"
#include "numeraux/caracteresreconnus.h"

void Calculette::montrerNombre(const QString& caracteres, const QString& arabe, bool italique, double valeur) {
  if (position == 1) {
    n0valeur = valeur;
    vue_.setAffichage(caracteres);
    adapterecran();
    historique.modifiertligne();
    ecriresurbande.modifierligne();
    vue_.focus(Cible::affichage);
    vue_.setEchoItalique(italique);
    // A lone minus shows "-" and not "-0".
    vue_.setEcho(caracteresreconnus::estMoins(vue_.affichage()) ? QStringLiteral("-") : arabe);
  }
  if (position == 2) {
    vue_.setArabeItalique(italique);
    vue_.setArabe(caracteresreconnus::estMoins(vue_.chinois()) ? QStringLiteral("-") : arabe);
  }
}

void Calculette::montrerRefus() {
  if (position == 1) {
    vue_.message(Message::ecritureincorrecte);
    vue_.focus(Cible::affichage);
  } else if (position == 2) {
    // An unchanged marker raises no text change, so a long refused text costs one write.
    vue_.setArabe(ChinoisArabe::kTexteRefuse);
  }
}

void Calculette::montrerNombreNouveau() {
  if (position == 1) {
    vue_.setAffichage(QString());
    adapterecran();
    vue_.focus(Cible::affichage);
    n0valeur = 0;
    // A new number starts upright, so that its point and separators are judged on their own.
    vue_.setEchoItalique(false);
  } else if (position == 2) {
    vue_.setArabeItalique(false);
  }
}

void Calculette::montrerTexteVide() {
  vue_.setEcho(QString());
  ecriresurbande.modifierligne();
}

// A refused text never shows the note.
bool Calculette::montrerNote() {
  if (vue_.arabe() == ChinoisArabe::kTexteRefuse) return false;
  vue_.montrerNote();
  return true;
}

QString Calculette::rogner(Cible champ, const QString& texte) {
  const caracteresreconnus::BoutsBlancs bouts = caracteresreconnus::boutsBlancs(texte);
  if (bouts.debut == 0 && bouts.fin == 0) return texte;
  vue_.rogner(champ, bouts.debut, bouts.fin);
  return texte.mid(bouts.debut, texte.size() - bouts.debut - bouts.fin);
}

QString Calculette::champChinoisRogne() { return rogner(Cible::chinois, vue_.chinois()); }

void Calculette::lectureDuChamp() {
  vue_.focus(Cible::chinois);
  vue_.setArabe(QString());
}

QString Calculette::champArabeRogne() { return rogner(Cible::arabe, vue_.arabe()); }

void Calculette::ecritureDuChamp() { vue_.setArabeItalique(false); }

void Calculette::montrerChinois(const QString& texte) { vue_.setChinois(texte); }

void Calculette::montrerHorsLimites() {
  if (position == 3) vue_.setChinois(ArabeChinois::kHorsLimites);
  vue_.message(Message::horslimites);
  vue_.focus(Cible::aucune);
  if (position == 2) vue_.focus(Cible::chinois);
  if (position == 3) vue_.focus(Cible::arabe);
}
