#pragma once
// A view held in memory for the rules alone: what they show, the focus they ask for, their
// messages and notes, in the order they come.

#include <QString>
#include <QStringList>
#include <vector>

#include "calcul/vue.h"
#include "texte/text.h"

class VueMemoire : public Vue {
 public:
  QString affichage() const override { return affichage_; }
  void setAffichage(const QString& texte) override { affichage_ = texte; }
  void setTailleAffichage(int taille) override { tailleAffichage = taille; }
  void setEcho(const QString& texte) override { echo = texte; }
  bool echoItalique() const override { return echoItalique_; }
  void setEchoItalique(bool italique) override { echoItalique_ = italique; }
  QString operateur() const override { return operateur_; }
  void setOperateur(const QString& texte) override { operateur_ = texte; }
  void setSymbole(const QString& texte) override { symbole = texte; }
  QString chinois() const override { return chinois_; }
  void setChinois(const QString& texte) override { chinois_ = texte; }
  QString arabe() const override { return arabe_; }
  void setArabe(const QString& texte) override { arabe_ = texte; }
  void rogner(Cible champ, int debut, int fin) override {
    QString& texte = champ == Cible::chinois ? chinois_ : arabe_;
    texte = texte::Mid(texte, debut + 1, texte::Len(texte) - debut - fin);
  }
  bool arabeItalique() const override { return arabeItalique_; }
  void setArabeItalique(bool italique) override { arabeItalique_ = italique; }
  void focus(Cible cible) override { focus_ = cible; }
  void message(Message message) override { messages.push_back(message); }
  void montrerNote() override { ++notes; }
  bool bandeMontree() const override { return bandeOuverte; }
  void ecrireBande(const QString& texte, int longueurDefinitive) override {
    bande = texte;
    bandeDefinitive = longueurDefinitive;
  }
  void remonterBande() override {}
  void historiqueChange() override {}

  QString affichage_, echo, operateur_, symbole, chinois_, arabe_, bande;
  bool echoItalique_ = false, arabeItalique_ = false, bandeOuverte = false;
  int tailleAffichage = 0, bandeDefinitive = 0, notes = 0;
  Cible focus_ = Cible::aucune;
  std::vector<Message> messages;
};
