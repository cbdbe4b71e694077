#include "rules/rules_fixture.h"

#include "numerals/rules/caracteresreconnus.h"

RulesFixture::RulesFixture() {
  utiliserTable(chartables::simplifiedUsual);
  calc.position = 1;
  calc.chinoisarabe.fouimaisdemandee = -1;
  calc.chinoisarabe.initialisernombre();
}

void RulesFixture::utiliserTable(const chartables::Table& table) { chartables::appliquer(calc, table); }

void RulesFixture::frapper(const QString& texte) {
  for (const QChar c : texte) {
    calc.caractereEnCours = QString(c);
    const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(c.unicode());
    calc.chinoisarabe.valeur = sens != nullptr ? sens->code : 0;
    calc.chinoisarabe.arrivage();
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
