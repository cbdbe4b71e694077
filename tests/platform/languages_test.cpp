// Which UI languages the environment names, and which translation table they pick.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/desktop.h"
#include "platform/translations.h"
#include "support/printers.h"

namespace {

TEST(EnvironmentLanguagesTest, FollowsGettextWithLanguageAndTheFirstSetLocaleVariable) {
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
      {"LANGUAGE replaces the locale", "zh_TW:fr", "", "", "en_US.UTF-8", {"zh-TW", "fr"}},
      {"LANGUAGE entries are not repeated", "fr_FR:fr_FR:en", "", "", "fr_FR.UTF-8", {"fr-FR", "en"}},
      {"empty LANGUAGE entries are skipped", ":fr::", "", "", "en_GB.UTF-8", {"fr"}},
      {"a script name stays", "sr_RS@latin:zh_Hant", "", "", "en_US.UTF-8", {"sr-RS", "zh-Hant"}},
      {"a C entry ends the LANGUAGE list", "fr:C:de", "", "", "de_DE.UTF-8", {"fr"}},
      {"C names no language", "", "C", "", "", {}},
      {"POSIX names no language", "", "", "POSIX", "", {}},
      {"C.UTF-8 names no language", "", "", "", "C.UTF-8", {}},
      {"C.UTF-8 honours LANGUAGE", "fr", "", "", "C.UTF-8", {"fr"}},
      {"LC_ALL=C.UTF-8 honours LANGUAGE", "zh_TW", "C.UTF-8", "", "fr_FR.UTF-8", {"zh-TW"}},
      {"a C locale ignores LANGUAGE", "fr:de", "", "", "C", {}},
      {"a POSIX locale ignores LANGUAGE", "fr", "POSIX", "", "", {}},
      {"no locale is C and ignores LANGUAGE", "fr", "", "", "", {}},
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
    const char* languageName;
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
      // A language without a table of ours falls back to the English table.
      {{"de"}, "Anglais"},
      {{"de-DE"}, "Anglais"},
      {{"ja-JP"}, "Anglais"},
      {{"C"}, "Anglais"},
      {{"xx-YY"}, "Anglais"},
      {{}, "Anglais"},
      {{"de", "zh-TW", "fr"}, "chinois trad."},  // the first language that has a table wins
      {{"fr-CA", "zh-CN"}, "francais"},
      {{"ja", "de-AT", "en-AU", "fr"}, "Anglais"},
      {{"ja", "de-AT", "fr"}, "francais"},
      {{"zh-Hans", "zh-Hant"}, "chinois simp."},
  };
  for (const Case& c : cases) {
    const platform::Translations tables(bundleTranslationsFolder(), c.preferred);
    const QString list = c.preferred.join(QLatin1Char(','));
    EXPECT_EQ(tables.lookup(kNameKey), QString::fromUtf8(c.languageName)) << list.toStdString();
    EXPECT_FALSE(tables.language().isEmpty()) << list.toStdString();
  }
}

TEST(TranslationsTest, TheLoadedLanguageIsTheOneThatMatched) {
  const platform::Translations tables(bundleTranslationsFolder(), {QStringLiteral("de"), QStringLiteral("zh-HK")});
  EXPECT_EQ(tables.language(), QStringLiteral("zh-HK"));
  EXPECT_EQ(platform::Translations(bundleTranslationsFolder(), {QStringLiteral("ja")}).language(),
            QStringLiteral("en"));
}

// From the environment to the table, as a desktop on Debian sets it.
TEST(TranslationsTest, TheEnvironmentPicksTheTableAndOthersFallBackToEnglish) {
  struct Case {
    const char* language;
    const char* lang;
    const char* languageName;
  };
  const std::vector<Case> cases = {
      {"", "de_DE.UTF-8", "Anglais"},
      {"", "ja_JP.UTF-8", "Anglais"},
      {"", "C", "Anglais"},
      {"", "POSIX", "Anglais"},
      {"", "C.UTF-8", "Anglais"},
      {"fr", "C.UTF-8", "francais"},
      {"fr", "C", "Anglais"},
      {"", "zh_HK.UTF-8", "chinois trad."},
      {"de:zh_CN", "de_DE.UTF-8", "chinois simp."},
  };
  for (const Case& c : cases) {
    const QStringList preferred = platform::uiLanguagesFromEnvironment(QString::fromLatin1(c.language), QString(),
                                                                       QString(), QString::fromLatin1(c.lang));
    const platform::Translations tables(bundleTranslationsFolder(), preferred);
    EXPECT_EQ(tables.lookup(kNameKey), QString::fromUtf8(c.languageName))
        << "LANGUAGE=" << c.language << " LANG=" << c.lang;
  }
}

TEST(TranslationsTest, WithoutAnEnglishTableAnyTableOfTheBundleServes) {
  const platform::Translations tables(QStringLiteral(CALCIMANDARIX_TEST_TABLES), {QStringLiteral("de")});
  EXPECT_EQ(tables.language(), QStringLiteral("it"));
  EXPECT_EQ(tables.lookup(kNameKey), QStringLiteral("italiano"));
}

TEST(TranslationsTest, AKeyTheTableLacksGivesNothing) {
  const platform::Translations tables(bundleTranslationsFolder(), {QStringLiteral("fr")});
  EXPECT_EQ(tables.lookup(QStringLiteral("langues.nosuchkey")), QString());
  EXPECT_EQ(tables.lookup(QString()), QString());
}

// Only a bundle without any table keeps the compiled defaults.
TEST(TranslationsTest, AFolderWithoutTablesLoadsNone) {
  QTemporaryDir empty;
  for (const QString& folder : {empty.path(), empty.filePath(QStringLiteral("missing")), QString()}) {
    const platform::Translations tables(folder, {QStringLiteral("fr"), QStringLiteral("zh-TW")});
    EXPECT_EQ(tables.lookup(kNameKey), QString()) << folder.toStdString();
    EXPECT_EQ(tables.language(), QString());
  }
}

}  // namespace
