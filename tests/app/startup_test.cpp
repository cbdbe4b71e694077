#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/Menu.h"
#include "dialogs/Fbienvenueavec.h"
#include "strings/langues.h"
#include "support/app_fixture.h"
#include "support/character_tables.h"

namespace {

class StartupTest : public AppFixture {};

TEST_F(StartupTest, OpensTheMainWindowWithTheSimplifiedUsualKeypad) {
  start();
  EXPECT_TRUE(fpr().visible());
  EXPECT_EQ(fpr().key(QStringLiteral("BB4"))->caption(), QStringLiteral("四"));
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), QStringLiteral("万"));
  EXPECT_EQ(application().position, 1);
  EXPECT_EQ(application().etat, 0);
  EXPECT_EQ(application().operation, 0);
  EXPECT_FALSE(application().persev);
  EXPECT_EQ(chineseField(), QString());
  EXPECT_TRUE(caracteresChinoissimplifié()->checked());
  EXPECT_TRUE(caracteresnotationsusuelle()->checked());
}

// The 29 strings of the application object.
const QString App::*const appStrings[] = {
    &App::c2,      &App::c1,    &App::c3,     &App::c4,    &App::c6,   &App::c5, &App::c7,      &App::c8,
    &App::c9,      &App::c10,   &App::c100,   &App::c1000, &App::cn,   &App::cp, &App::cmu,     &App::cad,
    &App::cdiv,    &App::csous, &App::ce,     &App::c104,  &App::c108, &App::cz, &App::N1texte, &App::N2texte,
    &App::N3texte, &App::cplus, &App::cmoins, &App::cfois, &App::cpar,
};

TEST(AppObjectTest, HoldsTheZeroValuesUntilItStarts) {
  App a(std::make_unique<RecordingServices>());
  for (const QString App::*field : appStrings) EXPECT_TRUE((a.*field).isEmpty());
  EXPECT_EQ(a.etat, 0);
  EXPECT_EQ(a.operation, 0);
  EXPECT_EQ(a.position, 0);
  EXPECT_EQ(a.N1valeur, 0.0);
  EXPECT_EQ(a.N2valeur, 0.0);
  EXPECT_EQ(a.N3valeur, 0.0);
  EXPECT_EQ(a.n0valeur, 0.0);
  EXPECT_FALSE(a.persev);
  EXPECT_FALSE(a.preflueafficherbienvenue);
  EXPECT_FALSE(a.prefluedefaut);
  EXPECT_FALSE(a.prefluesimplifie);
  EXPECT_FALSE(a.preflueusuelle);
  EXPECT_FALSE(a.opened());
  // Nothing is built before the start: no menu bar, no window.
  EXPECT_EQ(a.menuBar(), nullptr);
  EXPECT_TRUE(a.liveWindows().empty());
}

TEST_F(StartupTest, BindsTheThirteenMenuItemsByNameWhateverTheirCase) {
  start();
  for (const char* name : {"AideAidesurtouches", "caracteresnotationfinanciere", "caracteresnotationsusuelle",
                           "caracteresChinoistraditionnel", "caracteresChinoissimplifié", "AideAfficherlecranencours",
                           "FenetreBandepapier", "FenetreConvertisseur", "menuapropos", "caracteresChinoissimplifié1",
                           "aideregles", "aideaideacalcimandarix", "preferences"}) {
    const QString itemName = QString::fromUtf8(name);
    EXPECT_TRUE(application().hasMenuHandler(itemName)) << name;
    EXPECT_TRUE(application().hasMenuHandler(itemName.toUpper())) << name;
    // Every bound name is an item of the bar.
    EXPECT_NE(application().menuBar()->lookup(
                  itemName.compare(QLatin1String("preferences")) == 0 ? QStringLiteral("Preferences") : itemName),
              nullptr)
        << name;
  }
  // The text fields do the Edit menu's work; the application binds none of it.
  EXPECT_FALSE(application().hasMenuHandler(QStringLiteral("EditCut")));
}

TEST_F(StartupTest, LeavesTheCalculatorReaderAndTapeInTheirStartState) {
  start();
  App& a = application();
  EXPECT_TRUE(a.opened());
  EXPECT_EQ(a.position, 1);
  EXPECT_EQ(a.etat, 0);
  EXPECT_EQ(a.operation, 0);
  EXPECT_EQ(a.n0valeur, 0.0);
  EXPECT_FALSE(a.persev);
  EXPECT_FALSE(a.chinoisarabe.efcamauvais);
  EXPECT_EQ(a.chinoisarabe.negatif, 1);
  EXPECT_EQ(a.chinoisarabe.fouimaisdemandee, -1);
  EXPECT_EQ(a.ecriresurbande.ii, 0);
  EXPECT_EQ(a.ecriresurbande.textebande, QString());
  EXPECT_EQ(a.ecriresurbande.textebandedefinitif, QString());
  EXPECT_EQ(a.ecriresurbande.textebandeprovisoir, QString());
  EXPECT_EQ(a.ecriresurbande.points, QString());
  EXPECT_EQ(chineseField(), QString());
  EXPECT_EQ(displayText(), QString());
  EXPECT_EQ(fpr().c, QString());
  // The main window and its menus are shown; the converter is folded away, the tape closed.
  EXPECT_TRUE(fpr().visible());
  EXPECT_EQ(fpr().height(), 296);
  EXPECT_FALSE(fpr().DisclosureTriangle1->value());
  EXPECT_TRUE(fpr().DisclosureTriangle2->value());
  for (platform::MenuItem* menu : {EditMen(), fenetremenu(), caracteresMenu(), aidemenu()}) {
    EXPECT_TRUE(menu->visible()) << menu->name().toStdString();
  }
  // The pictures that are drawn with their white left out.
  for (const platform::Picture& picture : {a.pictures.ecran15(), a.pictures.ImageFR(), a.pictures.ImageEN(),
                                           a.pictures.ImageSIMP(), a.pictures.ImageTRAD()}) {
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.transparent(), 1);
  }
  EXPECT_EQ(fpr().Canvas4->backdrop(), a.pictures.ecran15());
  // With the preferences of the fixture, the welcome window is not shown.
  EXPECT_TRUE(services().modalWindows.isEmpty());
}

// ---- The order of the start, seen from inside the welcome window ----

// What the application looks like while the welcome window is up, where start-up waits half-way.
struct Halfway {
  bool seen = false;
  bool mainWindowExists = false;
  bool anyMenuVisible = true;
  bool flags[4] = {};
  QStringList keyCaptions;
  QString deleteCaptions;
  bool screenTransparent = true;
  bool languagePicturesTransparent = false;
  platform::Picture backdrop;
  QString openButtonCaption, okButtonCaption;
};

struct LanguageCase {
  const char* language;
  platform::Picture (Pictures::*page)();  // nullptr: no page
  bool hidesMenus;
  bool captions;
  bool traditional;
};

class StartupOrderTest : public AppFixture, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(StartupOrderTest, ReadsThePreferencesAndDressesTheWelcomeWindowBeforeApplyingTheTable) {
  const LanguageCase& c = GetParam();
  setLanguage(QString::fromLatin1(c.language));
  if (!*c.language) withoutTables();
  Halfway halfway;
  onNextModal([&halfway](platform::Window& window) {
    App& a = app();
    halfway.seen = true;
    Fpr* main = a.liveInstance<Fpr>();
    halfway.mainWindowExists = main != nullptr;
    halfway.anyMenuVisible =
        EditMen()->visible() || fenetremenu()->visible() || caracteresMenu()->visible() || aidemenu()->visible();
    halfway.flags[0] = a.preflueafficherbienvenue;
    halfway.flags[1] = a.prefluedefaut;
    halfway.flags[2] = a.prefluesimplifie;
    halfway.flags[3] = a.preflueusuelle;
    if (main) {
      for (const char* key : {"BBz", "BB1", "BB4", "BB104", "BBe"}) {
        halfway.keyCaptions << main->key(QString::fromLatin1(key))->caption();
      }
      halfway.deleteCaptions = main->BevelButton1->caption() + main->BevelButton2->caption();
    }
    halfway.screenTransparent = a.pictures.ecran15().transparent() == 1;
    halfway.languagePicturesTransparent =
        a.pictures.ImageEN().transparent() == 1 && a.pictures.ImageFR().transparent() == 1 &&
        a.pictures.ImageSIMP().transparent() == 1 && a.pictures.ImageTRAD().transparent() == 1;
    auto& welcome = static_cast<Fbienvenueavec&>(window);
    halfway.backdrop = welcome.Canvas3->backdrop();
    halfway.openButtonCaption = welcome.PushButton1->caption();
    halfway.okButtonCaption = welcome.PushButton2->caption();
    window.close();
  });
  startWithoutPrefs();

  ASSERT_TRUE(halfway.seen);
  EXPECT_EQ(services().modalWindows, QStringList{QStringLiteral("Fbienvenueavec")});
  EXPECT_TRUE(halfway.mainWindowExists);
  EXPECT_EQ(halfway.anyMenuVisible, !c.hidesMenus);
  EXPECT_TRUE(halfway.flags[0]);
  EXPECT_TRUE(halfway.flags[1]);
  EXPECT_EQ(halfway.flags[2], !c.traditional);
  EXPECT_TRUE(halfway.flags[3]);
  EXPECT_EQ(halfway.keyCaptions, QStringList({"", "", "", "", ""}));
  EXPECT_EQ(halfway.deleteCaptions, QStringLiteral("◁◁◁"));
  EXPECT_FALSE(halfway.screenTransparent);
  EXPECT_TRUE(halfway.languagePicturesTransparent);
  EXPECT_TRUE(halfway.backdrop == (c.page ? (application().pictures.*c.page)() : platform::Picture()));
  EXPECT_EQ(halfway.openButtonCaption, c.captions ? langues::lbOuvrirlangues() : QString());
  EXPECT_EQ(halfway.okButtonCaption, c.captions ? langues::lbOK() : QString());

  // Then the main window takes its table and its menus.
  for (platform::MenuItem* menu : {EditMen(), fenetremenu(), caracteresMenu(), aidemenu()}) {
    EXPECT_TRUE(menu->visible()) << menu->name().toStdString();
  }
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), c.traditional ? QStringLiteral("萬") : QStringLiteral("万"));
  EXPECT_EQ(fpr().key(QStringLiteral("BB4"))->caption(), QStringLiteral("四"));
  EXPECT_EQ(application().pictures.ecran15().transparent(), 1);
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, StartupOrderTest,
                         ::testing::Values(LanguageCase{"en", &Pictures::ImageEN, false, true, false},
                                           LanguageCase{"fr", &Pictures::ImageFR, false, true, false},
                                           LanguageCase{"zh-CN", &Pictures::ImageSIMP, true, false, false},
                                           LanguageCase{"zh-TW", &Pictures::ImageTRAD, true, false, true},
                                           // A language without a table of ours starts in English.
                                           LanguageCase{"de", &Pictures::ImageEN, false, true, false},
                                           // No table at all: no language matches.
                                           LanguageCase{"", nullptr, false, false, false}),
                         [](const auto& info) { return languageTestName(info.param.language); });

// ---- The preferences file and the UI language choose the start ----

struct PrefsCase {
  const char* name;
  // The file's bytes; "folder" makes the item a folder, "missing" leaves no item.
  QByteArray file;
  const char* language;
  bool flags[4];  // welcome, default characters, simplified, usual
  CharacterTable table;
};

const QByteArray missingFile("missing");
const QByteArray folderItem("folder");

std::ostream& operator<<(std::ostream& out, const PrefsCase& c) { return out << c.name; }

class StartPreferencesTest : public AppFixture, public ::testing::WithParamInterface<PrefsCase> {};

TEST_P(StartPreferencesTest, ChoosesTheFlagsTheWelcomeWindowTheTableAndItsCheckMarks) {
  const PrefsCase& c = GetParam();
  setLanguage(QString::fromLatin1(c.language));
  if (c.flags[0]) {
    onNextModal([](platform::Window& window) { window.close(); });
  }
  if (c.file == missingFile) {
    startWithoutPrefs();
  } else if (c.file == folderItem) {
    QFile::remove(prefsPath());
    ASSERT_TRUE(QDir().mkpath(prefsPath()));
    startWithoutPrefs();
  } else {
    writePrefs(c.file);
    start();
  }
  App& a = application();
  EXPECT_EQ(a.preflueafficherbienvenue, c.flags[0]);
  EXPECT_EQ(a.prefluedefaut, c.flags[1]);
  EXPECT_EQ(a.prefluesimplifie, c.flags[2]);
  EXPECT_EQ(a.preflueusuelle, c.flags[3]);
  EXPECT_EQ(services().modalWindows.contains(QStringLiteral("Fbienvenueavec")), c.flags[0]);

  const bool simplified = isSimplified(c.table);
  const bool usual = isUsual(c.table);
  // Two keys tell the four tables apart: 二 二 贰 貳 and 万 萬 万 萬.
  const QString two[] = {QStringLiteral("二"), QStringLiteral("二"), QStringLiteral("贰"), QStringLiteral("貳")};
  const QString tenThousand[] = {QStringLiteral("万"), QStringLiteral("萬"), QStringLiteral("万"),
                                 QStringLiteral("萬")};
  EXPECT_EQ(fpr().key(QStringLiteral("BB2"))->caption(), two[static_cast<int>(c.table)]);
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), tenThousand[static_cast<int>(c.table)]);
  EXPECT_EQ(a.c2, two[static_cast<int>(c.table)]);
  EXPECT_EQ(caracteresChinoissimplifié()->checked(), simplified);
  EXPECT_EQ(caracteresChinoissimplifié1()->checked(), simplified);
  EXPECT_EQ(caracteresChinoistraditionnel()->checked(), !simplified);
  EXPECT_EQ(caracteresnotationsusuelle()->checked(), usual);
  EXPECT_EQ(caracteresnotationfinanciere()->checked(), !usual);

  // A folder in the file's place is left as it is, also by the welcome window's saving.
  if (c.file == folderItem) {
    EXPECT_TRUE(QFileInfo(prefsPath()).isDir());
  }
}

using T = CharacterTable;
QByteArray bytes(const char* data, int size) { return QByteArray(data, size); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, StartPreferencesTest,
    ::testing::Values(
        // No file: the defaults, traditional in the traditional Chinese interface only.
        PrefsCase{"NoFileEnglish", missingFile, "en", {true, true, true, true}, T::SimplifiedUsual},
        PrefsCase{"NoFileFrench", missingFile, "fr", {true, true, true, true}, T::SimplifiedUsual},
        PrefsCase{"NoFileSimplifiedChinese", missingFile, "zh-CN", {true, true, true, true}, T::SimplifiedUsual},
        PrefsCase{"NoFileTraditionalChinese", missingFile, "zh-TW", {true, true, false, true}, T::TraditionalUsual},
        PrefsCase{"NoFileNoLanguage", missingFile, "", {true, true, true, true}, T::SimplifiedUsual},
        // Every flag false.
        PrefsCase{"AllFalse", bytes("\0\0\0\0", 4), "en", {false, false, false, false}, T::TraditionalFinancial},
        PrefsCase{"AllFalseTraditionalChinese", bytes("\0\0\0\0", 4), "zh-TW", {false, false, false, false},
                  T::TraditionalFinancial},
        // The default characters override the stored table.
        PrefsCase{"DefaultOverridesEnglish", bytes("\1\1\0\0", 4), "en", {true, true, true, true},
                  T::SimplifiedUsual},
        PrefsCase{"DefaultOverridesFrench", bytes("\1\1\0\0", 4), "fr", {true, true, true, true},
                  T::SimplifiedUsual},
        PrefsCase{"DefaultOverridesSimplifiedChinese", bytes("\1\1\0\0", 4), "zh-CN", {true, true, true, true},
                  T::SimplifiedUsual},
        PrefsCase{"DefaultOverridesTraditionalChinese", bytes("\1\1\0\0", 4), "zh-TW", {true, true, false, true},
                  T::TraditionalUsual},
        PrefsCase{"DefaultOverridesNoLanguage", bytes("\1\1\0\0", 4), "", {true, true, true, true},
                  T::SimplifiedUsual},
        // The stored table, whatever the interface.
        PrefsCase{"SimplifiedFinancial", bytes("\0\0\1\0", 4), "zh-TW", {false, false, true, false},
                  T::SimplifiedFinancial},
        PrefsCase{"TraditionalUsual", bytes("\0\0\0\1", 4), "zh-CN", {false, false, false, true},
                  T::TraditionalUsual},
        PrefsCase{"SimplifiedUsualStored", bytes("\0\0\1\1", 4), "fr", {false, false, true, true},
                  T::SimplifiedUsual},
        // Bytes after the fourth are never read.
        PrefsCase{"FiveBytes", bytes("\0\0\1\0\1", 5), "en", {false, false, true, false}, T::SimplifiedFinancial},
        // Only the lowest bit of a byte counts.
        PrefsCase{"LowestBitOnly", bytes("\2\0\377\3", 4), "en", {false, false, true, true}, T::SimplifiedUsual},
        PrefsCase{"LowestBitOnlyFalse", bytes("\376\0\377\376", 4), "en", {false, false, true, false},
                  T::SimplifiedFinancial},
        // A short file: what is there is read, a byte past the end reads as false.
        PrefsCase{"EmptyFile", QByteArray(), "en", {false, false, false, false}, T::TraditionalFinancial},
        PrefsCase{"OneByte", bytes("\1", 1), "en", {true, false, false, false}, T::TraditionalFinancial},
        PrefsCase{"TwoBytesDefault", bytes("\0\1", 2), "zh-TW", {false, true, false, true}, T::TraditionalUsual},
        PrefsCase{"ThreeBytes", bytes("\0\0\1", 3), "en", {false, false, true, false}, T::SimplifiedFinancial},
        // An item that cannot be read as a file: the defaults, and the folder is left alone.
        PrefsCase{"FolderItem", folderItem, "en", {true, true, true, true}, T::SimplifiedUsual},
        PrefsCase{"FolderItemTraditionalChinese", folderItem, "zh-TW", {true, true, false, true},
                  T::TraditionalUsual}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The menus that fit the interface language ----

struct MenuCase {
  const char* language;
  bool simplifiedAfterTraditional;
  bool rulesOfWriting;
};

class StartMenusTest : public AppFixture, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(StartMenusTest, ShowsTheItemsThatFitTheLanguage) {
  setLanguage(QString::fromLatin1(GetParam().language));
  start();
  // The two simplified items carry one text; which one shows sets its place beside the traditional one.
  EXPECT_EQ(caracteresChinoissimplifié1()->visible(), GetParam().simplifiedAfterTraditional);
  EXPECT_EQ(caracteresChinoissimplifié()->visible(), !GetParam().simplifiedAfterTraditional);
  EXPECT_EQ(aideregles()->visible(), GetParam().rulesOfWriting);
  for (platform::MenuItem* menu : {EditMen(), fenetremenu(), caracteresMenu(), aidemenu()}) {
    EXPECT_TRUE(menu->visible()) << menu->name().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, StartMenusTest,
                         ::testing::Values(MenuCase{"en", false, true}, MenuCase{"fr", false, true},
                                           MenuCase{"zh-CN", false, false}, MenuCase{"zh-TW", true, false},
                                           MenuCase{"", false, true}),
                         [](const auto& info) { return languageTestName(info.param.language); });

}  // namespace
