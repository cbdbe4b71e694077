#include "benchmarks/numeral_rules.h"

#include "calcul/calculette.h"
#include "numeraux/chartables.h"
#include "rules/vue_memoire.h"

NumeralRules::NumeralRules() : vue_(std::make_unique<VueMemoire>()), calc_(std::make_unique<Calculette>(*vue_)) {
  chartables::appliquer(*calc_, chartables::simplifiedUsual);
  calc_->demarrer();
  // Routed to the Arabic field, the reader shows nothing.
  calc_->position = 3;
}

NumeralRules::~NumeralRules() = default;

QString NumeralRules::write(double value) { return calc_->arabechinois.tradenchinoisdevaleur(value); }

QString NumeralRules::read(const QString& chinese) {
  ChinoisArabe& reader = calc_->chinoisarabe;
  reader.initialisernombre();
  reader.textaarabiser = chinese;
  reader.arabisertexte();
  return reader.tradenarabe;
}
