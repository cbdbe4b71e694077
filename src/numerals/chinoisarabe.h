#pragma once
// The Chinese numeral reader: takes a numeral one character at a time, accepting or refusing
// each against what was read so far, and reads whole texts of any of the four tables.

#include <QString>

class App;

class ChinoisArabe {
 public:
  explicit ChinoisArabe(App& app) : app_(app) {}

  // Character rules.
  void arrivage();
  void initialisernombre();
  void refuse();
  // Whole texts.
  void arabisertexte();
  void cachange();

  // State; see initialisernombre for what a new number resets.
  int valeur = 0;
  double actuel = 0;
  int negatif = 0;
  double decimal = 0;
  int rangdecimal = 0;
  int dernierevaleur = 0;
  int dernierepuissance = 0;
  int dernierseparateur = 0;
  int k = 0;
  int ling = 0;
  int Actuelreserve = 0;
  int actuelprovisoire = 0;
  int longeur = 0;
  int italique = 0;
  int sature = 0;
  bool efcamauvais = false;
  QString textactuel;
  QString tradenarabe;
  QString textaarabiser;
  int fouimaisdemandee = 0;

 private:
  void methoden();
  void methodep();
  void methodez();
  void methodeunite();
  void methodepuissance();
  void methodeseparateur();
  void accepte();

  App& app_;
};
