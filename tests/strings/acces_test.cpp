// What a screen reader says of the controls whose caption does not say it: every text in each
// of the four tables, the English default where no table answers, nothing for a name outside
// the table.

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/translations.h"
#include "strings/acces.h"
#include "support/app_fixture.h"

namespace {

class AccesTest : public AppFixture {};

// Each table of ours gives every accessible text in its own language.
TEST_F(AccesTest, EveryTableGivesEveryAccessibleText) {
  const QString folder = QFileInfo(QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE))
                             .dir()
                             .filePath(QStringLiteral("../Resources/translations"));
  int count = 0;
  const acces::Entry* entries = acces::entries(&count);
  for (const char* language : {"en", "fr", "zh-CN", "zh-TW"}) {
    const platform::Translations table(folder, {QString::fromLatin1(language)});
    ASSERT_EQ(table.language(), QString::fromLatin1(language));
    for (int i = 0; i < count; ++i) {
      const QString key = QStringLiteral("acces.") + QLatin1String(entries[i].name);
      EXPECT_FALSE(table.lookup(key, "acces").isEmpty()) << language << " lacks " << entries[i].name;
    }
  }
}

TEST_F(AccesTest, WithoutTablesEveryTextIsItsEnglishDefault) {
  setLanguage(QStringLiteral("fr"));
  start();
  ASSERT_EQ(acces::texte(QStringLiteral("Fpr.BB4")), QStringLiteral("quatre"));
  QTemporaryDir noTables;
  application().loadTranslations(noTables.filePath(QStringLiteral("translations")));
  int count = 0;
  const acces::Entry* entries = acces::entries(&count);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(acces::texte(QLatin1String(entries[i].name)), QString::fromUtf16(entries[i].defaultText))
        << entries[i].name;
  }
  EXPECT_EQ(acces::texte(QStringLiteral("Fpr.BB4")), QStringLiteral("four"));
}

TEST_F(AccesTest, ANameOutsideTheTableGivesNothing) {
  start();
  EXPECT_EQ(acces::texte(QStringLiteral("Fpr.BB11")), QString());
  EXPECT_EQ(acces::texte(QString()), QString());
}

}  // namespace
