#pragma once
// The reader on its own, with neither a calculator nor a view: a Chinese text in, what it reads
// out. One reader serves text after text and keeps its buffers from one to the next.

#include <QString>

#include "numeraux/caracteres.h"
#include "numeraux/chinoisarabe.h"

// What one text reads: as the converter's Arabic field would show it.
struct Lecture {
  // The Arabic text, or ChinoisArabe::kTexteRefuse.
  QString arabe;
  double valeur = 0;
  // The value is not exact yet (三百五 read as 350, a 零 awaiting its digit).
  bool italique = false;
  // A character broke the rules of writing; the rest of the text was not read.
  bool refusee = false;
  // Some characters belong to another table than the one in force.
  bool noteVoulue = false;
};

class Lecteur {
 public:
  // The table in force is read from `caracteres` at each text.
  explicit Lecteur(const Caracteres& caracteres) : lecteur_(caracteres, sortie_) {}
  Lecteur(const Lecteur&) = delete;
  Lecteur& operator=(const Lecteur&) = delete;

  const Lecture& lire(const QString& chinois);
  // The reader's state after the last text, for what the outcome does not tell.
  const ChinoisArabe& etat() const { return lecteur_; }

 private:
  // Reads as the Chinese field is read, and keeps what the field would show.
  class Sortie : public ChinoisArabe::Hote {
   public:
    int routage() const override { return 2; }
    bool resultatAffiche() const override { return false; }
    bool echoAffichageItalique() override { return false; }
    bool echoChampItalique() override { return lecture.italique; }
    void montrerNombre(const QString&, const QString& arabe, bool italique, double valeur) override;
    void montrerRefus() override;
    void montrerNombreNouveau() override { lecture.italique = false; }
    void montrerTexteVide() override {}
    bool montrerNote() override;
    QString champChinoisRogne() override { return QString(); }
    void lectureDuChamp() override {}

    Lecture lecture;
  };

  Sortie sortie_;
  ChinoisArabe lecteur_;
};
