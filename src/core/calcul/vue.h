#pragma once
// What the rules read from and ask of the windows: the calculator display and its echo, the
// operator shown, the two converter fields, the keyboard focus, messages, the mismatch note and
// the texts of the tape and history windows. The windows implement it.

#include <QString>

// Where the keyboard focus goes; aucune takes it from every control.
enum class Cible { aucune, affichage, chinois, arabe };

// The messages that the rules show in a message box.
enum class Message { ecritureincorrecte, horslimites, parzero };

class Vue {
 public:
  virtual ~Vue() = default;

  // The display (StaticText1) and its text size.
  virtual QString affichage() const = 0;
  virtual void setAffichage(const QString& texte) = 0;
  virtual void setTailleAffichage(int taille) = 0;
  // The Arabic echo of the display (StaticText11).
  virtual void setEcho(const QString& texte) = 0;
  virtual bool echoItalique() const = 0;
  virtual void setEchoItalique(bool italique) = 0;
  // The operator word (STopera) and its symbol (StaticText13).
  virtual QString operateur() const = 0;
  virtual void setOperateur(const QString& texte) = 0;
  virtual void setSymbole(const QString& texte) = 0;
  // The converter fields: Chinese (EFca) and Arabic (EFcr).
  virtual QString chinois() const = 0;
  virtual void setChinois(const QString& texte) = 0;
  virtual QString arabe() const = 0;
  virtual void setArabe(const QString& texte) = 0;
  // A field's own text change trims it at once, so that the change this raises is its own:
  // `debut` characters go at its start and `fin` at its end, in place, the kept text not
  // written again.
  virtual void rogner(Cible champ, int debut, int fin) = 0;
  virtual bool arabeItalique() const = 0;
  virtual void setArabeItalique(bool italique) = 0;

  virtual void focus(Cible cible) = 0;
  // A modal message box; what the rules wrote before it is on screen when it shows.
  virtual void message(Message message) = 0;
  // The note that some characters belong to another table.
  virtual void montrerNote() = 0;

  // The tape window is shown: only then does it show the tape.
  virtual bool bandeMontree() const = 0;
  // The tape's text, its first longueurDefinitive characters (the finished part) in black.
  virtual void ecrireBande(const QString& texte, int longueurDefinitive) = 0;
  // The tape window, when there is one, scrolled back near its top.
  virtual void remonterBande() = 0;
  // The history text changed (Historique::textew1 holds it).
  virtual void historiqueChange() = 0;
};
