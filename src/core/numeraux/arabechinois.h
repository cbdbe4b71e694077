#pragma once
// The Chinese numeral writer: writes an Arabic text or a value as a Chinese numeral in the
// current character table.

#include <QString>

#include "numeraux/caracteres.h"

class ArabeChinois {
 public:
  // Whom the writer writes for: the calculator or the converter.
  class Hote {
   public:
    virtual ~Hote() = default;
    // 1 the calculator display, 2 the Chinese field, 3 the Arabic field: only then does the
    // writer write into the Chinese field.
    virtual int routage() const = 0;
    // The Arabic field's text, rid of its blank ends.
    virtual QString champArabeRogne() = 0;
    // The Arabic field is about to be written out anew.
    virtual void ecritureDuChamp() = 0;
    virtual void montrerChinois(const QString& texte) = 0;
    // A number of more than 12 integer digits met.
    virtual void montrerHorsLimites() = 0;
  };

  ArabeChinois(const Caracteres& caracteres, Hote& hote) : car_(caracteres), hote_(hote) {}

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

  const Caracteres& car_;
  Hote& hote_;
  // Set while crchange writes the trimmed text back into the Arabic field: the change that this
  // raises is the outer call's own, which then writes the Chinese text once.
  bool rendTexteNettoye_ = false;
};
