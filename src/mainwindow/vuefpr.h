#pragma once
// The rules' view of the windows: the main window's display, echo, operator and converter
// fields, the tape window, the hidden history window and the mismatch note.

#include "calculator/rules/vue.h"

class VueFpr : public Vue {
 public:
  QString affichage() const override;
  void setAffichage(const QString& texte) override;
  void setTailleAffichage(int taille) override;
  void setEcho(const QString& texte) override;
  bool echoItalique() const override;
  void setEchoItalique(bool italique) override;
  QString operateur() const override;
  void setOperateur(const QString& texte) override;
  void setSymbole(const QString& texte) override;
  QString chinois() const override;
  void setChinois(const QString& texte, bool immediat = false) override;
  QString arabe() const override;
  void setArabe(const QString& texte, bool immediat = false) override;
  bool arabeItalique() const override;
  void setArabeItalique(bool italique) override;
  void focus(Cible cible) override;
  void rafraichir() override;
  void message(Message message) override;
  void montrerNote() override;
  bool bandeMontree() const override;
  void ecrireBande(const QString& texte, int longueurDefinitive) override;
  void remonterBande() override;
  void historiqueChange() override;
};
