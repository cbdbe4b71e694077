#pragma once
// The Chinese numeral writer: writes an Arabic text or a value as a Chinese numeral in the
// current character table.

#include <QString>

class App;

class ArabeChinois {
 public:
  explicit ArabeChinois(App& app) : app_(app) {}

  // The converter's reaction to a change of the Arabic field.
  void crchange();
  // Writes textachinoiserbrut into tradenchinois (and into the Chinese field in position 3).
  void chinoisertexte();
  QString tradenchinoisdevaleur(double x);
  QString tradenarabedevaleur(double x);

  QString textachinoiserbrut;
  QString textachinoisernet;
  int negatifa = 0;
  QString pentiere;
  QString unite;
  QString tradenchinois;
  bool stoperreur = false;
  bool tropbig = false;

 private:
  void brutanet();
  void partieentiere();
  QString puiss(int p) const;
  void partiedecimale();
  void affichertradenchinois();
  void erreur();
  void tropgrand();

  App& app_;
};
