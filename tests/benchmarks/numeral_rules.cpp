#include "benchmarks/numeral_rules.h"

#include "benchmarks/benchmark_app.h"

NumeralRules::NumeralRules() : app_(std::make_unique<BenchmarkApp>()) {
  // Routed to the Arabic field, the reader writes into no control.
  app_->application().position = 3;
}

NumeralRules::~NumeralRules() = default;

QString NumeralRules::write(double value) { return app_->application().arabechinois.tradenchinoisdevaleur(value); }

QString NumeralRules::read(const QString& chinese) {
  ChinoisArabe& reader = app_->application().chinoisarabe;
  reader.initialisernombre();
  reader.textaarabiser = chinese;
  reader.arabisertexte();
  return reader.tradenarabe;
}
