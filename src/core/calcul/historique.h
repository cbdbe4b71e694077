#pragma once
// The history model: the steps of the calculation in progress with their running totals, for
// stepping back over an operator; written into the hidden window w1.

#include <QList>
#include <QString>
#include <QStringList>

#include "calcul/etatapp.h"
#include "calcul/vue.h"

class Historique {
 public:
  // It shows itself through the view and reads the routing and registers of the shared state.
  Historique(Vue& vue, const EtatApp& etat);

  void modifiertligne();
  void ajouterop();
  // The operator step just written takes the operator now shown and pending.
  void remplacerop();
  // Rebuilds the text of the history window w1 (textew1).
  void rafraichirw1();
  // Resizes the arrays to upper bound n.
  void redim(int n);
  // Starts again from a single step: the result of "=" with its value.
  void recommencer(const QString& texte, double valeur);
  // Starts again from one empty step, as a new calculation does.
  void vider();
  // The running total on the current number step.
  void noterTotal(double total);

  QStringList tligne;
  QList<double> vligne;
  // The operation code of each operator step (0 on number steps), kept with the step: its word
  // may belong to a table no longer in force.
  QList<int> oligne;
  int jj = 0;
  // What the history window w1 holds: each step, its running total and the separator.
  QString textew1;

 private:
  // jj, both arrays grown to reach it if they must be.
  int etapeCourante();

  Vue& vue_;
  const EtatApp& etat_;
};
