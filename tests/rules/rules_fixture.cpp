#include "rules/rules_fixture.h"

#include "numeraux/caracteresreconnus.h"

RulesFixture::RulesFixture() {
  utiliserTable(chartables::simplifiedUsual);
  calc.demarrer();
}

void RulesFixture::utiliserTable(const chartables::Table& table) { chartables::appliquer(calc, table); }

void RulesFixture::frapper(const QString& texte) {
  for (const QChar c : texte) {
    const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(c.unicode());
    calc.touche(QString(c), sens != nullptr ? sens->code : 0);
  }
}

void RulesFixture::convertirChinois(const QString& texte) {
  calc.position = 2;
  vue.chinois_ = texte;
  calc.chinoisarabe.cachange();
}

void RulesFixture::convertirArabe(const QString& texte) {
  calc.position = 3;
  vue.arabe_ = texte;
  calc.arabechinois.crchange();
}
