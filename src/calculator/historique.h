#pragma once
// The history model: the steps of the calculation in progress with their running totals, for
// stepping back over an operator; written into the hidden window w1.

#include <QList>
#include <QString>
#include <QStringList>

class App;

class Historique {
 public:
  explicit Historique(App& app);

  void modifiertligne();
  void ajouterop();
  void rafraichirw1();
  // Resizes both arrays to upper bound n.
  void redim(int n);

  QStringList tligne;
  QList<double> vligne;
  int jj = 0;

 private:
  App& app_;
};
