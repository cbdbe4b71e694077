#pragma once
// The paper tape model: the lines of the calculation in progress and the finished tape, shown
// in the tape window while it is open. Every line is followed by the separator Chr(12).

#include <QString>
#include <QStringList>

#include "calcul/etatapp.h"
#include "calcul/vue.h"

class EcrireSurBande {
 public:
  // It shows itself through the view and reads the routing and registers of the shared state.
  EcrireSurBande(Vue& vue, EtatApp& etat);

  void rafraichir();
  void modifierligne();
  void op();
  void definitiver();
  void effacerprovisoir();
  void effaceropera();
  void effacertout();
  // Takes the calculation in progress off the tape; the finished part stays.
  void viderEnCours();

  // Resizes ligne to upper bound n (elements 0 to n), keeping what is there.
  void redimligne(int n);

  QStringList ligne;
  int ii = 0;
  QString textebandedefinitif;
  QString textebandeprovisoir;
  QString textebande;
  QString points;
  bool attenteop = false;
  QString temoin;

 private:
  // ligne(ii), the array grown to reach it if it must be.
  QString& ligneCourante();

  Vue& vue_;
  EtatApp& etat_;
};
