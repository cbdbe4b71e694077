// Which UI languages the environment names, and which translation table they pick.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/desktop.h"
#include "platform/translations.h"
#include "support/printers.h"

namespace {

TEST(EnvironmentLanguagesTest, ReadsLanguageThenTheFirstSetLocaleVariable) {
  struct Case {
    const char* what;
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    QStringList expected;
  };
  const std::vector<Case> cases = {
      {"nothing set", "", "", "", "", {}},
      {"LANG alone", "", "", "", "fr_FR.UTF-8", {"fr-FR"}},
      {"a codeset and a modifier go", "", "", "", "de_DE.ISO-8859-15@euro", {"de-DE"}},
      {"zh_TW with its codeset", "", "", "", "zh_TW.UTF-8", {"zh-TW"}},
      {"LC_MESSAGES before LANG", "", "", "zh_CN.UTF-8", "fr_FR.UTF-8", {"zh-CN"}},
      {"LC_ALL before LC_MESSAGES", "", "zh_HK.UTF-8", "zh_CN.UTF-8", "fr_FR.UTF-8", {"zh-HK"}},
      {"LANGUAGE list first, then the locale", "zh_TW:fr", "", "", "en_US.UTF-8", {"zh-TW", "fr", "en-US"}},
      {"LANGUAGE entries are not repeated", "fr_FR:fr_FR:en", "", "", "fr_FR.UTF-8", {"fr-FR", "en"}},
      {"empty LANGUAGE entries are skipped", ":fr::", "", "", "en_GB.UTF-8", {"fr", "en-GB"}},
      {"a script name stays", "sr_RS@latin:zh_Hant", "", "", "en_US.UTF-8", {"sr-RS", "zh-Hant", "en-US"}},
      {"C names no language", "", "C", "", "", {}},
      {"POSIX names no language", "", "", "POSIX", "", {}},
      {"C.UTF-8 names no language", "", "", "", "C.UTF-8", {}},
      {"a C locale ignores LANGUAGE", "fr:de", "", "", "C", {}},
      {"no locale ignores LANGUAGE", "fr", "", "", "", {}},
      {"LC_ALL=C wins over a French LANG", "", "C", "", "fr_FR.UTF-8", {}},
  };
  for (const Case& c : cases) {
    const QStringList got =
        platform::uiLanguagesFromEnvironment(QString::fromLatin1(c.language), QString::fromLatin1(c.lcAll),
                                             QString::fromLatin1(c.lcMessages), QString::fromLatin1(c.lang));
    EXPECT_EQ(got, c.expected) << c.what << ": got " << got.join(QLatin1Char(',')).toStdString();
  }
}

QString bundleTranslationsFolder() {
  QDir dir = QFileInfo(QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE)).dir();  // Contents/MacOS
  dir.cdUp();
  return dir.filePath(QStringLiteral("Resources/translations"));
}

const QString kNameKey = QStringLiteral("langues.llangueencours");

TEST(TranslationsTest, PicksTheTableOfThePreferredLanguage) {
  ASSERT_TRUE(QFileInfo::exists(bundleTranslationsFolder() + QStringLiteral("/calcimandarix_fr.qm")))
      << "the bundle's translations are built";
  struct Case {
    QStringList preferred;
    const char* languageName;  // "" when no table loads
  };
  const std::vector<Case> cases = {
      {{"zh-TW"}, "chinois trad."},
      {{"zh-HK"}, "chinois trad."},
      {{"zh-MO"}, "chinois trad."},
      {{"zh-Hant"}, "chinois trad."},
      {{"zh-Hant-CN"}, "chinois trad."},
      {{"zh-CN"}, "chinois simp."},
      {{"zh-SG"}, "chinois simp."},
      {{"zh-Hans"}, "chinois simp."},
      {{"zh-Hans-HK"}, "chinois simp."},
      {{"zh"}, "chinois simp."},
      {{"fr"}, "francais"},
      {{"fr-FR"}, "francais"},
      {{"fr-CA"}, "francais"},
      {{"fr-CH"}, "francais"},
      {{"en"}, "Anglais"},
      {{"en-US"}, "Anglais"},
      {{"en-GB"}, "Anglais"},
      {{"de"}, ""},
      {{"de-DE"}, ""},
      {{"ja-JP"}, ""},
      {{"C"}, ""},
      {{"xx-YY"}, ""},
      {{}, ""},
      {{"de", "zh-TW", "fr"}, "chinois trad."},  // the first language that has a table wins
      {{"fr-CA", "zh-CN"}, "francais"},
      {{"ja", "de-AT", "en-AU", "fr"}, "Anglais"},
      {{"zh-Hans", "zh-Hant"}, "chinois simp."},
  };
  for (const Case& c : cases) {
    const platform::Translations tables(bundleTranslationsFolder(), c.preferred);
    const QString list = c.preferred.join(QLatin1Char(','));
    EXPECT_EQ(tables.lookup(kNameKey), QString::fromUtf8(c.languageName)) << list.toStdString();
    EXPECT_EQ(tables.language().isEmpty(), *c.languageName == '\0') << list.toStdString();
  }
}

TEST(TranslationsTest, TheLoadedLanguageIsTheOneThatMatched) {
  const platform::Translations tables(bundleTranslationsFolder(), {QStringLiteral("de"), QStringLiteral("zh-HK")});
  EXPECT_EQ(tables.language(), QStringLiteral("zh-HK"));
}

TEST(TranslationsTest, AKeyTheTableLacksGivesNothing) {
  const platform::Translations tables(bundleTranslationsFolder(), {QStringLiteral("fr")});
  EXPECT_EQ(tables.lookup(QStringLiteral("langues.nosuchkey")), QString());
  EXPECT_EQ(tables.lookup(QString()), QString());
}

TEST(TranslationsTest, AFolderWithoutTablesLoadsNone) {
  QTemporaryDir empty;
  for (const QString& folder : {empty.path(), empty.filePath(QStringLiteral("missing")), QString()}) {
    const platform::Translations tables(folder, {QStringLiteral("fr"), QStringLiteral("zh-TW")});
    EXPECT_EQ(tables.lookup(kNameKey), QString()) << folder.toStdString();
    EXPECT_EQ(tables.language(), QString());
  }
}

}  // namespace
