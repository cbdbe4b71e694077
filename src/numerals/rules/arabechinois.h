#pragma once
// The Chinese numeral writer: writes an Arabic text or a value as a Chinese numeral in the
// current character table.

#include <QString>

class Calculette;

class ArabeChinois {
 public:
  explicit ArabeChinois(Calculette& calc) : calc_(calc) {}

  // What the Chinese field shows for an Arabic text with a bad character, and for a number out
  // of range.
  static inline const QString kTexteMauvais = QStringLiteral("???????");
  static inline const QString kHorsLimites = QStringLiteral("??????");
  // The text is one of these markers, not a numeral.
  static bool estMarqueur(const QString& text);

  // The converter's reaction to a change of the Arabic field: trims it and, while the input
  // goes to the Arabic field (position 3), writes its text into the Chinese field.
  void crchange();
  // Writes textachinoiserbrut into tradenchinois (and into the Chinese field in position 3).
  void chinoisertexte();
  // The Chinese text of a value: the numeral, "???????" for a text that is not a number, or ""
  // when the value is out of range (then tropbig is set and the message has been shown).
  QString tradenchinoisdevaleur(double x);
  // The Arabic text of a value, rounded to at most 14 digits (14 decimals below 1).
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
  const QString& puiss(int p) const;
  void partiedecimale();
  void affichertradenchinois();
  void erreur();
  void tropgrand();

  Calculette& calc_;
  // Set while crchange writes the trimmed text back into the Arabic field: the change that this
  // raises is the outer call's own, which then writes the Chinese text once.
  bool rendTexteNettoye_ = false;
};
