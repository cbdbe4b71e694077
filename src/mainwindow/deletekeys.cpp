#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "platform/core/text.h"

namespace {

// One character before the caret (or before the selection) goes; at the very start nothing
// does. Positions count code points, so a character outside the BMP goes whole.
void deleteBeforeCaret(platform::EditField& field) {
  const int start = field.selStart();
  if (start <= 0) return;
  field.setSelStart(start - 1);
  field.setSelLength(1);
  field.setSelText(QString());
}

}  // namespace

void Fpr::BevelButton1_Action() {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  Vue& vue = a.vue();
  // The fields are edited in place, at their caret.
  if (a.position == 2 || a.position == 3) a.vueFpr().appliquer();
  if (a.position == 2) {
    deleteBeforeCaret(*EFca);
    return;
  }
  if (a.position == 3) {
    deleteBeforeCaret(*EFcr);
    return;
  }
  if (a.position != 1 || a.etat == 2) return;

  ChinoisArabe& reader = a.chinoisarabe;
  if (a.etat == 1 && vue.affichage().isEmpty()) {
    // Step back over the last operator, to the operand before it, through the history.
    Historique& history = a.historique;
    const int jj = history.jj;
    if (jj < 2) return;
    vue.setAffichage(history.tligne.value(jj - 2));
    a.adapterecran();
    if (jj < 3) {
      if (!a.persev) {
        // Back to the first operand: nothing is pending any more.
        a.etat = 0;
        a.operation = 0;
        vue.setOperateur(QString());
        a.actualiserst13();
      } else {
        // Back to the result the calculation began from; the next operator takes it again.
        vue.setOperateur(a.ce);
        a.actualiserst13();
        a.N3valeur = history.vligne.value(0);
        vue.rafraichir();
      }
    } else {
      // Back to an operand of a chain: the earlier operator is pending again, with the running
      // total as it stood then and the operation kept with its step.
      a.N1valeur = history.vligne.value(jj - 4);
      vue.setOperateur(history.tligne.value(jj - 3));
      a.actualiserst13();
      a.operation = history.oligne.value(jj - 3);
    }
    history.jj = jj - 2;
    // The restored text becomes the number being entered, with its echo and value; the reset
    // also gives the display the focus.
    reader.textaarabiser = vue.affichage();
    reader.initialisernombre();
    reader.arabisertexte();
    a.ecriresurbande.effaceropera();
    if (vue.operateur().compare(a.ce, Qt::CaseInsensitive) == 0) a.etat = 2;
    return;
  }

  // Delete the last character: the shortened text is read again from a fresh reader.
  const QString display = vue.affichage();
  reader.textaarabiser = platform::Left(display, platform::Len(display) - 1);
  reader.initialisernombre();
  reader.arabisertexte();
  if (a.etat == 0 && vue.affichage().isEmpty()) a.ecriresurbande.effacerprovisoir();
  if (vue.operateur().isEmpty() && vue.affichage().isEmpty()) {
    a.ecriresurbande.points.clear();
    a.ecriresurbande.rafraichir();
  }
}

void Fpr::BevelButton2_Action() {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  a.chinoisarabe.initialisernombre();
  if (a.position == 1) {
    const QString first = platform::Left(a.ecriresurbande.textebandeprovisoir, 1);
    a.initialisercalculette();
    // A calculation that ran on from a result took that result line's separator; give it back.
    if (!first.isEmpty() && (first == a.cad || first == a.csous || first == a.cdiv || first == a.cmu)) {
      a.ecriresurbande.textebandedefinitif += platform::Chr(12);
    }
  }
  if (a.position == 2) a.vue().setChinois(QString());
  if (a.position == 3) a.vue().setArabe(QString());
}
