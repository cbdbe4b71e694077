#pragma once
// The rules' view of the windows: the main window's display, echo, operator and converter
// fields, the tape window, the hidden history window and the mismatch note.
//
// Within one user event (a key, a click, a text change) what the rules write is kept here and
// reads see it; the controls get it once, when the outermost event ends. Outside any event it
// goes to the controls at once. A message box shows what was written before it.

#include <optional>

#include "calcul/vue.h"

class VueFpr : public Vue {
 public:
  // Marks one user event for as long as it lives; events raised within it (a text change that
  // a write raises) belong to it.
  class Evenement {
   public:
    explicit Evenement(VueFpr& vue) : vue_(vue) { ++vue_.profondeur_; }
    ~Evenement() {
      if (--vue_.profondeur_ == 0) vue_.appliquer();
    }
    Evenement(const Evenement&) = delete;
    Evenement& operator=(const Evenement&) = delete;

   private:
    VueFpr& vue_;
  };

  // Writes what is kept to the controls now: before a handler edits a field itself.
  void appliquer();

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
  void setChinois(const QString& texte) override;
  QString arabe() const override;
  void setArabe(const QString& texte) override;
  void rogner(Cible champ, int debut, int fin) override;
  bool arabeItalique() const override;
  void setArabeItalique(bool italique) override;
  void focus(Cible cible) override;
  void message(Message message) override;
  void montrerNote() override;
  bool bandeMontree() const override;
  void ecrireBande(const QString& texte, int longueurDefinitive) override;
  void remonterBande() override;
  void historiqueChange() override;

 private:
  void appliquerSiLibre();

  int profondeur_ = 0;
  std::optional<QString> affichage_, echo_, operateur_, symbole_, chinois_, arabe_;
  std::optional<int> tailleAffichage_;
  std::optional<bool> echoItalique_, arabeItalique_;
  struct Bande {
    QString texte;
    int longueurDefinitive;
  };
  std::optional<Bande> bande_;
  void ecrireBandeMaintenant(const Bande& bande);
  // The tape field whose finished part was last written in black, and its length.
  const void* champNoirci_ = nullptr;
  int longueurNoire_ = -1;
};
