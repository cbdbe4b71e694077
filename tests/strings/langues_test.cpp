// The interface texts: every key in each of the four languages, the English defaults when no table
// answers, and the fall-back of one key at a time.

#include <QTemporaryDir>
#include <vector>

#include "strings/langues.h"
#include "support/app_fixture.h"

namespace {

struct Function {
  const char* name;
  QString (*text)();
};

// Every text function with the key it must look up, in the order of the table.
const std::vector<Function>& functions() {
  static const std::vector<Function> all = {
      {"lfchiffresarabes", langues::lfchiffresarabes},
      {"lfcaractereschinois", langues::lfcaractereschinois},
      {"lmecranencours", langues::lmecranencours},
      {"lmaide", langues::lmaide},
      {"lmcaracteres", langues::lmcaracteres},
      {"lmfenetre", langues::lmfenetre},
      {"lmedition", langues::lmedition},
      {"lmcouper", langues::lmcouper},
      {"lmcopier", langues::lmcopier},
      {"lmcoller", langues::lmcoller},
      {"lmconvertisseur", langues::lmconvertisseur},
      {"lmapropos", langues::lmapropos},
      {"lmbande", langues::lmbande},
      {"lmusuelle", langues::lmusuelle},
      {"lmtraditionnel", langues::lmtraditionnel},
      {"lmsimplifie", langues::lmsimplifie},
      {"llangueencours", langues::llangueencours},
      {"lheffacertout", langues::lheffacertout},
      {"lmaidesurtouche", langues::lmaidesurtouche},
      {"lmfinanciere", langues::lmfinanciere},
      {"lhafficherbande", langues::lhafficherbande},
      {"lxhorslimites", langues::lxhorslimites},
      {"lhunpas", langues::lhunpas},
      {"lhmasquerbande", langues::lhmasquerbande},
      {"lhmasquerconvertisseur", langues::lhmasquerconvertisseur},
      {"lhafficherconvertisseur", langues::lhafficherconvertisseur},
      {"lxecritureincorrecte", langues::lxecritureincorrecte},
      {"lfversion", langues::lfversion},
      {"lxparzero", langues::lxparzero},
      {"lfouimais1", langues::lfouimais1},
      {"lfgratuiciel", langues::lfgratuiciel},
      {"lmregles", langues::lmregles},
      {"lmaideacalcimandarix", langues::lmaideacalcimandarix},
      {"lheffacerlabande", langues::lheffacerlabande},
      {"lhca", langues::lhca},
      {"lhcr", langues::lhcr},
      {"lxlefichierregleestintrouvable", langues::lxlefichierregleestintrouvable},
      {"lfbande", langues::lfbande},
      {"lbOuvrirlangues", langues::lbOuvrirlangues},
      {"lbOK", langues::lbOK},
      {"lfpreferences", langues::lfpreferences},
      {"lfbienvenuetitre", langues::lfbienvenuetitre},
      {"lfalouverture", langues::lfalouverture},
      {"lfafficherlafenetrebienvenue", langues::lfafficherlafenetrebienvenue},
      {"lfnepasafficherlafenetrebienvenue", langues::lfnepasafficherlafenetrebienvenue},
      {"lfdefault", langues::lfdefault},
      {"lfFenetrebienvenue", langues::lfFenetrebienvenue},
      {"lfcaracteresalouverture", langues::lfcaracteresalouverture},
      {"lxlefichieraideestintrouvable", langues::lxlefichieraideestintrouvable},
  };
  return all;
}

QString key(const char* name) { return QStringLiteral("langues.") + QLatin1String(name); }

// What the loaded table holds for the key, or nothing.
QString tableText(const char* name) {
  const QString absent = QStringLiteral("\x01absent");
  const QString text = platform::GetLocalizedString(key(name), absent);
  return text == absent ? QString() : text;
}

QString defaultOf(const char* name) {
  int count = 0;
  const langues::Entry* entries = langues::entries(&count);
  for (int i = 0; i < count; ++i) {
    if (QLatin1String(entries[i].name) == QLatin1String(name)) return QString::fromUtf16(entries[i].defaultText);
  }
  ADD_FAILURE() << "no default for " << name;
  return {};
}

class LanguesTest : public AppFixture {};

TEST_F(LanguesTest, TheTableListsFortyNineKeysInTheOrderOfTheFunctions) {
  int count = 0;
  const langues::Entry* entries = langues::entries(&count);
  ASSERT_EQ(count, static_cast<int>(functions().size()));
  for (int i = 0; i < count; ++i) EXPECT_STREQ(entries[i].name, functions()[static_cast<size_t>(i)].name) << i;
}

struct Language {
  const char* bcp47;
  const char* name;  // the language name its table gives
  bool complete;     // the table translates every key
};
void PrintTo(const Language& language, std::ostream* os) { *os << language.bcp47; }

class LanguageTablesTest : public AppFixture, public ::testing::WithParamInterface<Language> {};

TEST_P(LanguageTablesTest, EveryKeyGivesATextAndEachFunctionReadsItsOwnKey) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  start();
  EXPECT_EQ(langues::llangueencours(), QString::fromUtf8(GetParam().name));
  for (const Function& f : functions()) {
    const QString text = f.text();
    EXPECT_FALSE(text.isEmpty()) << f.name;
    // The function answers with the text of its own key: the table's, else the default.
    const QString own = tableText(f.name);
    EXPECT_EQ(text, own.isEmpty() ? defaultOf(f.name) : own) << f.name;
    if (GetParam().complete) {
      EXPECT_FALSE(own.isEmpty()) << f.name << " is missing from the table";
    }
  }
}

TEST_P(LanguageTablesTest, LineBreaksAreCarriageReturnsAndTheFreewareLineEndsWithTwo) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  start();
  const QString outOfRange = langues::lxhorslimites();
  EXPECT_EQ(outOfRange.count(QLatin1Char('\r')), 1) << "two lines";
  EXPECT_FALSE(outOfRange.contains(QLatin1Char('\n')));
  EXPECT_TRUE(outOfRange.contains(QStringLiteral("-999999999999.99")));
  EXPECT_TRUE(outOfRange.contains(QStringLiteral("999999999999.99")));
  const QString freeware = langues::lfgratuiciel();
  EXPECT_TRUE(freeware.endsWith(QStringLiteral("\r\r"))) << "two carriage returns after the signature";
  EXPECT_FALSE(freeware.endsWith(QStringLiteral("\r\r\r")));
  EXPECT_GE(freeware.count(QLatin1Char('\r')), 4) << "several lines and a signature";
  EXPECT_FALSE(freeware.contains(QLatin1Char('\n')));
}

TEST_P(LanguageTablesTest, TheLanguageNameIsComparedWithoutRegardToCase) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  start();
  const QString name = QString::fromUtf8(GetParam().name);
  EXPECT_TRUE(App::langueEst(name.toUpper().toUtf8().constData()));
  EXPECT_TRUE(App::langueEst(name.toLower().toUtf8().constData()));
  for (const char* other : {"francais", "anglais", "chinois simp.", "chinois trad."}) {
    EXPECT_EQ(App::langueEst(other), name.compare(QLatin1String(other), Qt::CaseInsensitive) == 0) << other;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTablesTest,
                         ::testing::Values(Language{"fr", "francais", true}, Language{"en", "Anglais", false},
                                           Language{"zh-CN", "chinois simp.", true},
                                           Language{"zh-TW", "chinois trad.", true}),
                         [](const auto& info) { return languageTestName(info.param.bcp47); });

TEST_F(LanguesTest, TheTranslatedTablesSayTheirOwnWords) {
  struct Case {
    const char* bcp47;
    QString (*text)();
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"fr", langues::lmedition, "Édition"},
      {"fr", langues::lxparzero, "Division par zéro impossible."},
      {"fr", langues::lmsimplifie, "Chinois simplifié"},
      // The button opens this desktop's language settings, not a pane of another system.
      {"fr", langues::lbOuvrirlangues, "Ouvrir les réglages de langue du système"},
      {"zh-CN", langues::lbOuvrirlangues, "打开系统的语言设置"},
      {"zh-TW", langues::lbOuvrirlangues, "打開系統的語言設定"},
      // The two headings of the preferences say different things.
      {"en", langues::lfalouverture, "When opening Calcimandarix:"},
      {"en", langues::lfcaracteresalouverture, "Characters when opening Calcimandarix"},
      {"zh-CN", langues::lmedition, "编辑"},
      {"zh-CN", langues::lmfenetre, "窗口"},
      {"zh-CN", langues::lmsimplifie, "简体中文"},
      {"zh-CN", langues::lmfinanciere, "大写数字"},
      {"zh-TW", langues::lmedition, "編輯"},
      {"zh-TW", langues::lmfenetre, "視窗"},
      {"zh-TW", langues::lmtraditionnel, "繁體中文"},
      {"zh-TW", langues::lmfinanciere, "大寫數字"},
  };
  bool started = false;
  for (const Case& c : cases) {
    setLanguage(QString::fromLatin1(c.bcp47));
    started ? restart() : start();
    started = true;
    EXPECT_EQ(c.text(), QString::fromUtf8(c.expected)) << c.bcp47;
  }
}

// Every text is its English default, with the defaults' own peculiarities kept.
void expectEveryDefault() {
  for (const Function& f : functions()) EXPECT_EQ(f.text(), defaultOf(f.name)) << f.name;
  EXPECT_EQ(langues::llangueencours(), QStringLiteral("langue"));
  EXPECT_EQ(langues::lxlefichierregleestintrouvable(), QStringLiteral("langue"));
  EXPECT_EQ(langues::lxhorslimites(),
            QStringLiteral("Out of bound :\rUse only nombres between -999999999999.99 and 999999999999.99."));
  EXPECT_EQ(langues::lbOuvrirlangues(), QStringLiteral("Ouvrir \"Préférences Système/International/Langues\""));
  EXPECT_EQ(langues::lfalouverture(), QStringLiteral("When opening 1zo2ri"));
  EXPECT_EQ(langues::lfFenetrebienvenue(), QStringLiteral("\"Welcome\" window."));
  EXPECT_EQ(langues::lxlefichieraideestintrouvable(), QStringLiteral("Calcimandarix Help not found."));
  for (const char* name : {"francais", "anglais", "chinois simp.", "chinois trad."}) EXPECT_FALSE(App::langueEst(name));
}

// A language without a table of ours, or none at all, reads the English table: the language name
// and every text are English, not the compiled defaults.
TEST_F(LanguesTest, ALanguageWithoutATableUsesTheEnglishTable) {
  bool started = false;
  for (const char* language : {"de", "ja", "C", ""}) {
    setLanguage(QString::fromLatin1(language));
    started ? restart() : start();
    started = true;
    EXPECT_EQ(application().loadedLanguage(), QStringLiteral("en")) << language;
    EXPECT_EQ(langues::llangueencours(), QStringLiteral("Anglais")) << language;
    EXPECT_TRUE(App::langueEst("anglais")) << language;
    EXPECT_EQ(langues::lxhorslimites(),
              QStringLiteral("Out of range:\rUse only numbers between -999999999999.99 and 999999999999.99."))
        << language;
    EXPECT_EQ(langues::lbOuvrirlangues(), QStringLiteral("Open the system’s language settings")) << language;
    EXPECT_EQ(langues::lmaide(), QStringLiteral("Help")) << language;
  }
}

TEST_F(LanguesTest, ABundleWithoutTablesGivesEveryEnglishDefault) {
  setLanguage(QStringLiteral("fr"));
  start();
  ASSERT_EQ(langues::llangueencours(), QStringLiteral("francais"));
  QTemporaryDir noTables;
  application().loadTranslations(noTables.filePath(QStringLiteral("translations")));
  expectEveryDefault();
}

TEST_F(LanguesTest, AKeyTheTableLacksFallsBackToItsDefaultAlone) {
  setLanguage(QStringLiteral("it"));
  start();
  application().loadTranslations(QStringLiteral(CALCIMANDARIX_TEST_TABLES));
  ASSERT_EQ(application().loadedLanguage(), QStringLiteral("it"));
  EXPECT_EQ(langues::llangueencours(), QStringLiteral("italiano"));
  EXPECT_EQ(langues::lmaide(), QStringLiteral("Aiuto"));
  for (const Function& f : functions()) {
    if (QLatin1String(f.name) == QLatin1String("llangueencours") || QLatin1String(f.name) == QLatin1String("lmaide")) {
      continue;
    }
    EXPECT_EQ(f.text(), defaultOf(f.name)) << f.name;
  }
}

TEST_F(LanguesTest, NothingIsCachedEachCallLooksTheTextUpAnew) {
  setLanguage(QStringLiteral("fr"));
  start();
  EXPECT_EQ(langues::lmaide(), QStringLiteral("Aide"));
  // French is not there: the folder's only table serves.
  application().loadTranslations(QStringLiteral(CALCIMANDARIX_TEST_TABLES));
  EXPECT_EQ(langues::lmaide(), QStringLiteral("Aiuto"));
}

}  // namespace
