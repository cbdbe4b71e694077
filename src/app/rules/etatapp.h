#pragma once
// The state that the application object shares with every subsystem: the current character
// table, the calculator registers and state, and the input routing.

#include <QString>

struct EtatApp {
  // The current character table (see chartables.h).
  QString c2, c1, c3, c4, c6, c5, c7, c8, c9, c10, c100, c1000, cn, cp, cmu, cad, cdiv, csous, ce, c104, c108;
  int etat = 0;
  QString cz;
  QString N1texte;
  double N1valeur = 0;
  QString N2texte;
  double N2valeur = 0;
  QString N3texte;
  double N3valeur = 0;
  int operation = 0;
  QString cplus, cmoins, cfois, cpar;
  double n0valeur = 0;
  bool persev = false;
  int position = 0;
  // The main window's character being taken in: the keys and the reader write it.
  QString caractereEnCours;
};
