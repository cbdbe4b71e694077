#pragma once
// The Chinese numeral reader: takes a numeral one character at a time, accepting or refusing
// each against what was read so far, and reads whole texts of any of the four tables.

#include <QString>

#include "numeraux/caracteres.h"

class ChinoisArabe {
 public:
  // Where the reader reads for, and where what it read is shown: the calculator display or a
  // converter field.
  class Hote {
   public:
    virtual ~Hote() = default;
    // 1 the calculator display, 2 the Chinese field, 3 the Arabic field (which shows nothing
    // of the reader).
    virtual int routage() const = 0;
    // A calculation's result is on the display.
    virtual bool resultatAffiche() const = 0;
    // Whether the Arabic text now shown for the display, or in the Arabic field, is inexact.
    virtual bool echoAffichageItalique() = 0;
    virtual bool echoChampItalique() = 0;
    // The number read so far: its accepted characters, its Arabic text, whether that is
    // inexact, and its value.
    virtual void montrerNombre(const QString& caracteres, const QString& arabe, bool italique, double valeur) = 0;
    // A character refused, after the number as far as it was read is shown.
    virtual void montrerRefus() = 0;
    // A new number, nothing read yet.
    virtual void montrerNombreNouveau() = 0;
    // An empty text was read into the display.
    virtual void montrerTexteVide() = 0;
    // Some characters belong to another table; returns whether the note could be shown.
    virtual bool montrerNote() = 0;
    // The Chinese field's text, rid of its blank ends.
    virtual QString champChinoisRogne() = 0;
    // The Chinese field is about to be read anew.
    virtual void lectureDuChamp() = 0;
  };

  ChinoisArabe(const Caracteres& caracteres, Hote& hote) : car_(caracteres), hote_(hote) {}

  // Codes of the incoming character in valeur, besides the digits 0 to 9.
  static constexpr int kDix = 10;
  static constexpr int kCent = 100;
  static constexpr int kMille = 1000;
  static constexpr int kWan = 10000;
  static constexpr int kYi = 100000000;
  static constexpr int kMoins = -1;
  static constexpr int kPoint = -2;

  // What the Arabic field shows for a Chinese text that is refused.
  static inline const QString kTexteRefuse = QStringLiteral("????????");

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
  // The character being taken in: the keys and the reader write it.
  QString caractereEnCours;

 private:
  void methoden();
  void methodep();
  void methodez();
  void methodeunite();
  void methodepuissance();
  void methodeseparateur();
  void accepte();

  // Shows the number read so far, once for a whole text.
  void publier();

  // The Arabic text of the value read so far.
  QString texteArabe() const;
  QString texteArabeGeneral() const;
  // Whether the echo of the current routing shows an inexact value.
  bool echoItalique();

  const Caracteres& car_;
  Hote& hote_;
  // Set while cachange writes the trimmed text back, so that the text change it raises does
  // not read the field a second time.
  bool ecritureEnCours_ = false;
  // While arabisertexte walks a text: the character being taken in, as a view into the text.
  bool lectureEnCours_ = false;
  QStringView entree_;
  // An accepted character not shown yet, and whether the value it leaves is inexact.
  bool aPublier_ = false;
  bool enItalique_ = false;
};
