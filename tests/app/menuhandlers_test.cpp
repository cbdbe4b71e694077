// The application's menu commands: the character table items and their check marks, help on
// keys, the current screen, the Window items, about, preferences and the help documents.

#include <QDir>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "app/Menu.h"
#include "dialogs/FPreferences.h"
#include "dialogs/fapropos.h"
#include "support/app_fixture.h"
#include "support/temporary_bundle.h"

#include "strings/langues.h"

namespace {

const QByteArray simplifiedUsual = prefsBytes(false, false, true, true);
const QByteArray simplifiedFinancial = prefsBytes(false, false, true, false);
const QByteArray traditionalUsual = prefsBytes(false, false, false, true);
const QByteArray traditionalFinancial = prefsBytes(false, false, false, false);

struct Marks {
  bool simplified, traditional, usual, financial;
};

void expectMarks(const Marks& m, const std::string& what) {
  EXPECT_EQ(caracteresChinoissimplifié()->checked(), m.simplified) << what;
  EXPECT_EQ(caracteresChinoissimplifié1()->checked(), m.simplified) << what << ": both simplified items agree";
  EXPECT_EQ(caracteresChinoistraditionnel()->checked(), m.traditional) << what;
  EXPECT_EQ(caracteresnotationsusuelle()->checked(), m.usual) << what;
  EXPECT_EQ(caracteresnotationfinanciere()->checked(), m.financial) << what;
}

class MenuHandlersTest : public AppFixture {
 protected:
  QString caption(const char* key) { return fpr().key(QString::fromLatin1(key))->caption(); }
  // Chooses a character item; the simplified item that the language hides (and so disables)
  // is run through its handler, as the other interface language would choose it.
  void choose(const QString& item) {
    if (menuItem(item)->visible()) return chooseMenu(item);
    if (item == QStringLiteral("caracteresChinoissimplifié1")) application().caracteresChinoissimplifié1_Action();
    if (item == QStringLiteral("caracteresChinoissimplifié")) application().caracteresChinoissimplifié_Action();
    processEvents();
  }
  // The keys that tell the four tables apart: one, two, ten thousand, minus.
  QString signature() { return caption("BB1") + caption("BB2") + caption("BB104") + caption("BBn"); }
};

TEST_F(MenuHandlersTest, EachCharacterItemAppliesTheTableThatTheOtherGroupsMarkCompletes) {
  struct Case {
    const char* what;
    QByteArray prefs;
    const char* item;
    const char* keys;  // BB1 BB2 BB104 BBn afterwards
    Marks marks;
  };
  const std::vector<Case> cases = {
      {"simplified usual, then traditional",
       simplifiedUsual,
       "caracteresChinoistraditionnel",
       "一二萬負",
       {false, true, true, false}},
      {"simplified usual, then financial",
       simplifiedUsual,
       "caracteresnotationfinanciere",
       "壹贰万负",
       {true, false, false, true}},
      {"simplified financial, then traditional",
       simplifiedFinancial,
       "caracteresChinoistraditionnel",
       "壹貳萬負",
       {false, true, false, true}},
      {"simplified financial, then usual",
       simplifiedFinancial,
       "caracteresnotationsusuelle",
       "一二万负",
       {true, false, true, false}},
      {"traditional usual, then financial",
       traditionalUsual,
       "caracteresnotationfinanciere",
       "壹貳萬負",
       {false, true, false, true}},
      {"traditional usual, then simplified",
       traditionalUsual,
       "caracteresChinoissimplifié",
       "一二万负",
       {true, false, true, false}},
      {"traditional financial, then the second simplified item",
       traditionalFinancial,
       "caracteresChinoissimplifié1",
       "壹贰万负",
       {true, false, false, true}},
      {"traditional financial, then usual",
       traditionalFinancial,
       "caracteresnotationsusuelle",
       "一二萬負",
       {false, true, true, false}},
  };
  bool started = false;
  for (const Case& c : cases) {
    writePrefs(c.prefs);
    started ? restart() : start();
    started = true;
    choose(QString::fromUtf8(c.item));
    EXPECT_EQ(signature(), QString::fromUtf8(c.keys)) << c.what;
    expectMarks(c.marks, c.what);
    // The choice holds for this run only: neither the flags nor the file change.
    EXPECT_EQ(readPrefs(), c.prefs) << c.what;
    EXPECT_EQ(application().prefluesimplifie, c.prefs.at(2) != 0) << c.what;
    EXPECT_EQ(application().preflueusuelle, c.prefs.at(3) != 0) << c.what;
  }
}

TEST_F(MenuHandlersTest, ChoosingTheItemInForceAppliesItsTableAgain) {
  start();
  fpr().key(QStringLiteral("BB1"))->setCaption(QStringLiteral("x"));
  chooseMenu(QStringLiteral("caracteresnotationsusuelle"));
  EXPECT_EQ(signature(), QStringLiteral("一二万负"));
  fpr().key(QStringLiteral("BB104"))->setCaption(QStringLiteral("x"));
  chooseMenu(QStringLiteral("caracteresChinoissimplifié"));
  EXPECT_EQ(signature(), QStringLiteral("一二万负"));
  expectMarks({true, false, true, false}, "unchanged");
}

TEST_F(MenuHandlersTest, AChangeOfTableLeavesWhatIsAlreadyWrittenAlone) {
  start();
  pressKeys({"BB3", "BB100", "BB5"});
  const QString display = displayText();
  ASSERT_FALSE(display.isEmpty());
  chooseMenu(QStringLiteral("caracteresChinoistraditionnel"));
  chooseMenu(QStringLiteral("caracteresnotationfinanciere"));
  EXPECT_EQ(displayText(), display);
  EXPECT_EQ(caption("BB3"), QStringLiteral("參"));
}

struct LanguageCase {
  const char* bcp47;
  const char* simplifiedItem;  // the simplified item the menu shows
  Marks atStart;
};

class CharacterItemsByLanguageTest : public AppFixture, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(CharacterItemsByLanguageTest, TheVisibleSimplifiedItemMarksBothAndUnmarksTraditional) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  start();  // default characters: traditional in the traditional Chinese interface, else simplified
  expectMarks(GetParam().atStart, "at start");
  const QString simplifiedItem = QString::fromUtf8(GetParam().simplifiedItem);
  ASSERT_TRUE(menuItem(simplifiedItem)->visible());

  chooseMenu(QStringLiteral("caracteresChinoistraditionnel"));
  expectMarks({false, true, true, false}, "traditional");
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), QStringLiteral("萬"));

  chooseMenu(QStringLiteral("caracteresnotationfinanciere"));
  expectMarks({false, true, false, true}, "traditional financial");
  EXPECT_EQ(fpr().key(QStringLiteral("BB2"))->caption(), QStringLiteral("貳"));

  chooseMenu(simplifiedItem);
  expectMarks({true, false, false, true}, "simplified financial");
  EXPECT_EQ(fpr().key(QStringLiteral("BB2"))->caption(), QStringLiteral("贰"));
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), QStringLiteral("万"));

  chooseMenu(QStringLiteral("caracteresnotationsusuelle"));
  expectMarks({true, false, true, false}, "simplified usual");
  EXPECT_EQ(fpr().key(QStringLiteral("BB2"))->caption(), QStringLiteral("二"));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CharacterItemsByLanguageTest,
    ::testing::Values(LanguageCase{"zh-TW", "caracteresChinoissimplifié1", {false, true, true, false}},
                      LanguageCase{"zh-CN", "caracteresChinoissimplifié", {true, false, true, false}},
                      LanguageCase{"fr", "caracteresChinoissimplifié", {true, false, true, false}},
                      LanguageCase{"en", "caracteresChinoissimplifié", {true, false, true, false}},
                      LanguageCase{"", "caracteresChinoissimplifié", {true, false, true, false}}),
    [](const auto& info) { return languageTestName(info.param.bcp47); });

const char* const keyCaptions[] = {"ST0",   "ST1",  "ST10", "ST100", "ST1000", "ST10000", "ST108", "ST2",
                                   "ST3",   "ST4",  "ST5",  "ST6",   "ST7",    "ST8",     "ST9",   "STAd",
                                   "STdiv", "STmu", "STn",  "STP",   "STsous", "ste"};

TEST_F(MenuHandlersTest, HelpOnKeysShowsTheTwentyTwoCaptionsThenHidesThem) {
  start();
  const QString keysBefore = signature();
  auto expectCaptions = [&](bool visible, const char* when) {
    for (const char* name : keyCaptions) {
      platform::StaticText* label = fpr().keyCaption(QString::fromLatin1(name));
      ASSERT_NE(label, nullptr) << name;
      EXPECT_EQ(label->visible(), visible) << name << " " << when;
    }
    EXPECT_EQ(AideAidesurtouches()->checked(), visible) << when;
  };
  expectCaptions(false, "at start");
  chooseMenu(QStringLiteral("AideAidesurtouches"));
  expectCaptions(true, "after the first choice");
  EXPECT_EQ(fpr().keyCaption(QStringLiteral("ST10000"))->text(), QStringLiteral("10⁴"));
  chooseMenu(QStringLiteral("AideAidesurtouches"));
  expectCaptions(false, "after the second choice");
  EXPECT_EQ(signature(), keysBefore) << "the keys themselves stay as they are";
}

TEST_F(MenuHandlersTest, CurrentScreenShowsThenHidesTheArabicEchoAndItsOperator) {
  start();
  EXPECT_FALSE(fpr().StaticText11->visible());
  EXPECT_FALSE(fpr().StaticText13->visible());
  chooseMenu(QStringLiteral("AideAfficherlecranencours"));
  EXPECT_TRUE(fpr().StaticText11->visible());
  EXPECT_TRUE(fpr().StaticText13->visible());
  EXPECT_TRUE(AideAfficherlecranencours()->checked());
  chooseMenu(QStringLiteral("AideAfficherlecranencours"));
  EXPECT_FALSE(fpr().StaticText11->visible());
  EXPECT_FALSE(fpr().StaticText13->visible());
  EXPECT_FALSE(AideAfficherlecranencours()->checked());
}

TEST_F(MenuHandlersTest, TheWindowItemsFlipTheirTriangles) {
  start();
  ASSERT_FALSE(fpr().DisclosureTriangle1->value());
  ASSERT_TRUE(fpr().DisclosureTriangle2->value());
  chooseMenu(QStringLiteral("FenetreConvertisseur"));
  EXPECT_TRUE(fpr().DisclosureTriangle1->value());
  chooseMenu(QStringLiteral("FenetreConvertisseur"));
  EXPECT_FALSE(fpr().DisclosureTriangle1->value());
  chooseMenu(QStringLiteral("FenetreBandepapier"));
  EXPECT_FALSE(fpr().DisclosureTriangle2->value());
  chooseMenu(QStringLiteral("FenetreBandepapier"));
  EXPECT_TRUE(fpr().DisclosureTriangle2->value());
}

TEST_F(MenuHandlersTest, TheConverterItemTakesTheFocusAwayBeforeItFolds) {
  start();
  chooseMenu(QStringLiteral("FenetreConvertisseur"));  // unfold
  for (platform::EditField* field : {fpr().EFca, fpr().EFcr}) {
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    std::optional<bool> valueWhenFocusLeft;
    field->connectLostFocus([&] {
      if (!valueWhenFocusLeft) valueWhenFocusLeft = fpr().DisclosureTriangle1->value();
    });
    const bool before = fpr().DisclosureTriangle1->value();
    chooseMenu(QStringLiteral("FenetreConvertisseur"));
    ASSERT_TRUE(valueWhenFocusLeft.has_value()) << field->name().toStdString();
    EXPECT_EQ(*valueWhenFocusLeft, before) << "the focus left " << field->name().toStdString() << " first";
    EXPECT_FALSE(field->hasFocus());
    field->connectLostFocus(nullptr);
  }
}

TEST_F(MenuHandlersTest, AboutShowsTheOneAboutBox) {
  start();
  chooseMenu(QStringLiteral("menuapropos"));
  fapropos* first = application().liveInstance<fapropos>();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->visible());
  chooseMenu(QStringLiteral("menuapropos"));
  EXPECT_EQ(application().liveInstance<fapropos>(), first);
  int count = 0;
  for (platform::Window* w : application().liveWindows()) count += w->className() == QLatin1String("fapropos");
  EXPECT_EQ(count, 1);
}

TEST_F(MenuHandlersTest, ThePreferencesItemShowsTheDialogAndLeavesItOpenWhenChosenAgain) {
  start();
  EXPECT_EQ(application().liveInstance<FPreferences>(), nullptr);
  chooseMenu(QStringLiteral("Preferences"));  // bound as "preferences": names match without regard to case
  FPreferences* dialog = application().liveInstance<FPreferences>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->visible());
  chooseMenu(QStringLiteral("Preferences"));
  EXPECT_EQ(application().liveInstance<FPreferences>(), dialog);
  EXPECT_TRUE(dialog->visible());
  EXPECT_TRUE(services().modalWindows.isEmpty()) << "made visible, not run modally";
}

TEST_F(MenuHandlersTest, EveryHandlerReturnsFalse) {
  start();
  const std::vector<std::pair<const char*, bool (App::*)()>> handlers = {
      {"AideAidesurtouches", &App::AideAidesurtouches_Action},
      {"caracteresnotationfinanciere", &App::caracteresnotationfinanciere_Action},
      {"caracteresnotationsusuelle", &App::caracteresnotationsusuelle_Action},
      {"caracteresChinoistraditionnel", &App::caracteresChinoistraditionnel_Action},
      {"caracteresChinoissimplifié", &App::caracteresChinoissimplifié_Action},
      {"AideAfficherlecranencours", &App::AideAfficherlecranencours_Action},
      {"FenetreBandepapier", &App::FenetreBandepapier_Action},
      {"FenetreConvertisseur", &App::FenetreConvertisseur_Action},
      {"menuapropos", &App::menuapropos_Action},
      {"caracteresChinoissimplifié1", &App::caracteresChinoissimplifié1_Action},
      {"aideregles", &App::aideregles_Action},
      {"aideaideacalcimandarix", &App::aideaideacalcimandarix_Action},
      {"preferences", &App::preferences_Action},
  };
  for (const auto& [name, handler] : handlers) {
    EXPECT_FALSE((application().*handler)()) << name;
    processEvents();
  }
}

// ---- Help documents ----

// The Textes folder of the bundle that the application runs from.
QString runningTextes(const RecordingServices& services) {
  return QFileInfo(services.executable).dir().filePath(QStringLiteral("../Resources/Textes"));
}

struct DocumentCase {
  const char* bcp47;  // "": the bundle holds no translation table
  const char* rules;
  const char* help;
};

class HelpDocumentsTest : public AppFixture, public ::testing::WithParamInterface<DocumentCase> {};

TEST_P(HelpDocumentsTest, EachLanguageOpensItsDocumentsFromTheBundle) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  if (!*GetParam().bcp47) withoutTables();
  start();
  application().aideregles_Action();  // the item itself is hidden in the Chinese interfaces
  const QString rules =
      QDir::cleanPath(runningTextes(services()) + QLatin1Char('/') + QString::fromUtf8(GetParam().rules));
  ASSERT_EQ(services().documents.size(), 1);
  EXPECT_EQ(QDir::cleanPath(services().documents.first()), rules);
  EXPECT_TRUE(QFileInfo::exists(rules)) << rules.toStdString();
  EXPECT_TRUE(services().messages.isEmpty());

  services().documents.clear();
  chooseMenu(QStringLiteral("aideaideacalcimandarix"));
  const QString help =
      QDir::cleanPath(runningTextes(services()) + QLatin1Char('/') + QString::fromUtf8(GetParam().help));
  ASSERT_EQ(services().documents.size(), 1);
  EXPECT_EQ(QDir::cleanPath(services().documents.first()), help);
  EXPECT_TRUE(QFileInfo::exists(help)) << help.toStdString();
  EXPECT_TRUE(services().messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpDocumentsTest,
                         ::testing::Values(DocumentCase{"fr", "Règles d'écriture.html", "Aide à Calcimandarix.html"},
                                           DocumentCase{"en", "Rules of writing.html", "Calcimandarix help.html"},
                                           DocumentCase{"zh-CN", "Rules of writing.html", "Calcimandarix 帮助.html"},
                                           DocumentCase{"zh-TW", "Rules of writing.html", "Calcimandarix 幫助.html"},
                                           // Without a help document of its own, the English one.
                                           DocumentCase{"de", "Rules of writing.html", "Calcimandarix help.html"},
                                           DocumentCase{"", "Rules of writing.html", "Calcimandarix help.html"}),
                         [](const auto& info) { return languageTestName(info.param.bcp47); });

TEST_F(MenuHandlersTest, ALanguageWhoseHelpIsMissingOpensTheEnglishHelp) {
  TemporaryBundle bundle;
  bundle.copyResources(QStringLiteral("Textes/Aide à Calcimandarix.html"));
  setExecutable(bundle.executable());
  setLanguage(QStringLiteral("fr"));
  start();
  chooseMenu(QStringLiteral("aideaideacalcimandarix"));
  EXPECT_EQ(services().documents, QStringList{bundle.resource(QStringLiteral("Textes/Calcimandarix help.html"))});
  EXPECT_TRUE(services().messages.isEmpty());
}

struct MissingCase {
  const char* bcp47;  // "": the bundle holds no translation table
  const char* rulesMessage;
  const char* helpMessage;
};

class MissingDocumentsTest : public AppFixture, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingDocumentsTest, AMissingDocumentIsReportedInTheInterfaceLanguage) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  if (!*GetParam().bcp47) withoutTables();
  start();
  TemporaryBundle bundle;  // with an empty Resources folder
  services().executable = bundle.executable();
  application().aideregles_Action();
  chooseMenu(QStringLiteral("aideaideacalcimandarix"));
  EXPECT_TRUE(services().documents.isEmpty());
  EXPECT_EQ(services().messages,
            (QStringList{QString::fromUtf8(GetParam().rulesMessage), QString::fromUtf8(GetParam().helpMessage)}));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MissingDocumentsTest,
    ::testing::Values(MissingCase{"fr", "Le document «\u00a0Règles d'écriture\u00a0» est introuvable.",
                                  "L'aide de Calcimandarix est introuvable."},
                      MissingCase{"en", "The \u201cRules of writing\u201d document cannot be found.",
                                  "Calcimandarix Help not found."},
                      MissingCase{"zh-CN", "找不到书写规则文档。", "找不到 Calcimandarix 帮助。"},
                      MissingCase{"zh-TW", "找不到書寫規則文件。", "找不到 Calcimandarix 說明。"},
                      MissingCase{"de", "The \u201cRules of writing\u201d document cannot be found.",
                                  "Calcimandarix Help not found."},
                      MissingCase{"", "langue", "Calcimandarix Help not found."}),
    [](const auto& info) { return languageTestName(info.param.bcp47); });

TEST_F(MenuHandlersTest, DocumentsAreFoundInTheRunningBundleWhateverItsName) {
  TemporaryBundle renamed(QStringLiteral("Calcimandarix 2.app"));
  renamed.copyResources();
  setExecutable(renamed.executable());
  start();
  // A bundle named "Calcimandarix.app" beside it is not the one running.
  renamed.addDocument(QStringLiteral("Calcimandarix help.html"));
  chooseMenu(QStringLiteral("aideregles"));
  chooseMenu(QStringLiteral("aideaideacalcimandarix"));
  EXPECT_EQ(services().documents, (QStringList{renamed.resource(QStringLiteral("Textes/Rules of writing.html")),
                                               renamed.resource(QStringLiteral("Textes/Calcimandarix help.html"))}));
  EXPECT_TRUE(services().messages.isEmpty());
}

// On a desktop where nothing opens documents or links, each attempt is reported in the
// interface language; nothing is dropped silently.
TEST_F(MenuHandlersTest, ADocumentTheDesktopCannotOpenIsReported) {
  const struct {
    const char* bcp47;
    const char* expected;
  } cases[] = {
      {"en", "Nothing on this system can open “Calcimandarix help.html”."},
      {"fr", "Rien sur ce système ne peut ouvrir « Aide à Calcimandarix.html »."},
      {"zh-CN", "本系统上没有能打开“Calcimandarix 帮助.html”的程序。"},
      {"zh-TW", "本系統上沒有能打開「Calcimandarix 幫助.html」的程式。"},
  };
  bool started = false;
  for (const auto& c : cases) {
    setLanguage(QString::fromLatin1(c.bcp47));
    started ? restart() : start();
    started = true;
    services().desktopOpensNothing = true;
    chooseMenu(QStringLiteral("aideaideacalcimandarix"));
    EXPECT_EQ(services().documents.size(), 1) << c.bcp47;
    EXPECT_EQ(services().messages, QStringList{QString::fromUtf8(c.expected)}) << c.bcp47;
  }
}

}  // namespace
