#include "rules/rules_fixture.h"

#include "numeraux/caracteresreconnus.h"
#include "texte/text.h"

RulesFixture::RulesFixture() {
  utiliserTable(chartables::simplifiedUsual);
  calc.demarrer();
}

void RulesFixture::utiliserTable(const chartables::Table& table) { chartables::appliquer(calc, table); }

void RulesFixture::utiliserTable(CharacterTable table) {
  switch (table) {
    case CharacterTable::SimplifiedUsual:
      return utiliserTable(chartables::simplifiedUsual);
    case CharacterTable::TraditionalUsual:
      return utiliserTable(chartables::traditionalUsual);
    case CharacterTable::SimplifiedFinancial:
      return utiliserTable(chartables::simplifiedFinancial);
    case CharacterTable::TraditionalFinancial:
      return utiliserTable(chartables::traditionalFinancial);
  }
}

void RulesFixture::frapper(const QString& texte) {
  for (const QChar c : texte) {
    const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(c.unicode());
    calc.touche(QString(c), sens != nullptr ? sens->code : 0);
  }
}

void RulesFixture::frappe(const QString& captions) {
  const std::u32string keys = texte::CodePoints(captions);
  for (size_t i = 0; i < keys.size(); ++i) {
    const QString caption = QString::fromUcs4(&keys[i], 1);
    if (keys[i] == U'=') {
      calc.toucheegale();
    } else if (keys[i] == U'<' && i + 1 < keys.size() && keys[i + 1] == U'<') {
      calc.effacertout();
      ++i;
    } else if (keys[i] == U'<') {
      calc.unpas();
    } else if (caption == calc.cad) {
      calc.toucheoperateur(1, calc.cplus);
    } else if (caption == calc.csous) {
      calc.toucheoperateur(2, calc.cmoins);
    } else if (caption == calc.cmu) {
      calc.toucheoperateur(3, calc.cfois);
    } else if (caption == calc.cdiv) {
      calc.toucheoperateur(4, calc.cpar);
    } else {
      const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(keys[i]);
      ASSERT_TRUE(sens != nullptr || caption == calc.cz) << "no key with the caption " << caption.toStdString();
      calc.touche(caption, sens != nullptr ? sens->code : 0);
    }
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

void RulesFixture::lireAuConvertisseur(const QString& texte, int fouimaisdemandee) {
  ChinoisArabe& lecteur = calc.chinoisarabe;
  calc.position = 2;
  lecteur.fouimaisdemandee = fouimaisdemandee;
  lecteur.initialisernombre();
  vue.arabe_.clear();
  lecteur.textaarabiser = texte;
  lecteur.arabisertexte();
}
