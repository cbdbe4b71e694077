#include "numeraux/lecteur.h"

#include "numeraux/caracteresreconnus.h"

const Lecture& Lecteur::lire(const QString& chinois) {
  sortie_.lecture = Lecture{};
  lecteur_.fouimaisdemandee = 0;
  lecteur_.initialisernombre();
  lecteur_.textaarabiser = chinois;
  lecteur_.arabisertexte();
  return sortie_.lecture;
}

void Lecteur::Sortie::montrerNombre(const QString& caracteres, const QString& arabe, bool italique, double valeur) {
  lecture.italique = italique;
  lecture.valeur = valeur;
  // A lone minus reads "-" and not "-0".
  lecture.arabe = caracteresreconnus::estMoins(caracteres) ? QStringLiteral("-") : arabe;
}

void Lecteur::Sortie::montrerRefus() {
  lecture.refusee = true;
  lecture.arabe = ChinoisArabe::kTexteRefuse;
}

// A refused text never shows the note.
bool Lecteur::Sortie::montrerNote() {
  if (lecture.refusee) return false;
  lecture.noteVoulue = true;
  return true;
}
