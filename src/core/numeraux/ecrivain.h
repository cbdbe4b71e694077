#pragma once
// The writer on its own, with neither a calculator nor a view: a value or an Arabic text in, its
// Chinese numeral out. One writer serves number after number and keeps its buffers.

#include <QString>

#include "numeraux/arabechinois.h"
#include "numeraux/caracteres.h"

struct Ecriture {
  // The Chinese numeral, ArabeChinois::kTexteMauvais for a text that is no number, or "" when
  // the number is out of range.
  QString chinois;
  // More than 12 integer digits: the out-of-range message is due.
  bool horsLimites = false;
};

class Ecrivain {
 public:
  // The table in force is read from `caracteres` at each number.
  explicit Ecrivain(const Caracteres& caracteres) : ecrivain_(caracteres, sortie_) {}
  Ecrivain(const Ecrivain&) = delete;
  Ecrivain& operator=(const Ecrivain&) = delete;

  Ecriture ecrire(double valeur);
  // An Arabic text, as the Arabic field holds it once trimmed.
  Ecriture ecrire(const QString& arabe);
  // The Arabic text of a value, rounded to at most 14 digits.
  QString arabe(double valeur) { return ecrivain_.tradenarabedevaleur(valeur); }

 private:
  // Writes as the calculator asks for a number: into no field.
  class Sortie : public ArabeChinois::Hote {
   public:
    int routage() const override { return 1; }
    QString champArabeRogne() override { return QString(); }
    void ecritureDuChamp() override {}
    void montrerChinois(const QString&) override {}
    void montrerHorsLimites() override {}
  };

  Sortie sortie_;
  ArabeChinois ecrivain_;
};
