#include "benchmarks/numeral_rules.h"

#include "numeraux/chartables.h"

NumeralRules::NumeralRules() { chartables::appliquer(table_, chartables::simplifiedUsual); }

NumeralRules::~NumeralRules() = default;

QString NumeralRules::write(double value) { return writer_.ecrire(value).chinois; }

QString NumeralRules::read(const QString& chinese) { return reader_.lire(chinese).arabe; }
