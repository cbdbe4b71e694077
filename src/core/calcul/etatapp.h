#pragma once
// The state that the application object shares with every subsystem: the current character
// table, the calculator registers and state, and the input routing.

#include <QString>

#include "numeraux/caracteres.h"

struct EtatApp : Caracteres {
  int etat = 0;
  QString N1texte;
  double N1valeur = 0;
  QString N2texte;
  double N2valeur = 0;
  QString N3texte;
  double N3valeur = 0;
  int operation = 0;
  double n0valeur = 0;
  bool persev = false;
  int position = 0;
};
