// The preferences dialog: it shows the flags, keeps every click at once, fills in the default
// choice, and writes the file on OK; the running calculator is left as it is.

#include <QByteArray>
#include <QFile>
#include <QTest>

#include "app/Menu.h"
#include "dialogs/FPreferences.h"
#include "strings/langues.h"
#include "support/app_fixture.h"

namespace {

const QString dialogClass = QStringLiteral("FPreferences");

class PreferencesTest : public AppFixture {
 protected:
  // Starts on a preferences file; a welcome window that it asks for is closed at once.
  void startWith(const QByteArray& file) {
    writePrefs(file);
    if (file.at(0) == 1) onNextModal([](platform::Window& w) { w.close(); });
    start();
  }
  FPreferences& openDialog() {
    chooseMenu(QStringLiteral("Preferences"));
    FPreferences* dialog = application().liveInstance<FPreferences>();
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog && dialog->visible());
    return *dialog;
  }
  void click(const char* name) { press(QString::fromLatin1(name), dialogClass); }
  FPreferences* dialog() { return application().liveInstance<FPreferences>(); }
  bool boxesEnabled(FPreferences& d) {
    const bool two = d.GroupBox2->enabled() && d.RBsimplifie->widget()->isEnabled();
    const bool three = d.GroupBox3->enabled() && d.RBusuelle->widget()->isEnabled();
    EXPECT_EQ(two, three);
    return two && three;
  }
  void closeByCloseBox() {
    dialog()->widget()->close();
    processEvents();
  }
};

// ---- Layout ----

struct OrderCase {
  const char* language;
  int simplifiedTop;
  int traditionalTop;
};

class PreferencesOrder : public PreferencesTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(PreferencesOrder, ListsTraditionalFirstOnlyInTheTraditionalInterface) {
  setLanguage(QString::fromLatin1(GetParam().language));
  start();
  FPreferences& d = openDialog();
  EXPECT_EQ(d.RBsimplifie->top(), GetParam().simplifiedTop);
  EXPECT_EQ(d.RBtraditionnel->top(), GetParam().traditionalTop);
  // Where the widgets really are, inside their group box at top 244.
  EXPECT_EQ(d.RBsimplifie->widget()->y(), GetParam().simplifiedTop - 244);
  EXPECT_EQ(d.RBtraditionnel->widget()->y(), GetParam().traditionalTop - 244);
}

INSTANTIATE_TEST_SUITE_P(Languages, PreferencesOrder,
                         ::testing::Values(OrderCase{"en", 254, 274}, OrderCase{"fr", 254, 274},
                                           OrderCase{"zh-CN", 254, 274}, OrderCase{"zh-TW", 274, 253},
                                           OrderCase{"", 254, 274}),
                         [](const auto& info) { return languageTestName(info.param.language); });

TEST_F(PreferencesTest, IsAMovableModalDialogWithItsTextsInTheInterfaceLanguage) {
  setLanguage(QStringLiteral("fr"));
  start();
  FPreferences& d = openDialog();
  EXPECT_EQ(d.frame(), platform::Frame::MovableModal);
  EXPECT_EQ(d.widget()->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(d.content()->size(), QSize(364, 420));
  EXPECT_EQ(d.title(), langues::lfpreferences());
  EXPECT_NE(d.title(), QStringLiteral("Preferences"));
  EXPECT_EQ(d.RBnepasafficherbienvenue->caption(), langues::lfnepasafficherlafenetrebienvenue());
  EXPECT_EQ(d.RBafficherbienvenue->caption(), langues::lfafficherlafenetrebienvenue());
  EXPECT_EQ(d.StaticText1->text(), langues::lfFenetrebienvenue());
  EXPECT_EQ(d.StaticText2->text(), langues::lfcaracteresalouverture());
  EXPECT_EQ(d.StaticText3->text(), langues::lfalouverture());
  EXPECT_EQ(d.RBsimplifie->caption(), langues::lmsimplifie());
  EXPECT_EQ(d.RBtraditionnel->caption(), langues::lmtraditionnel());
  EXPECT_EQ(d.RBusuelle->caption(), langues::lmusuelle());
  EXPECT_EQ(d.RBfinanciere->caption(), langues::lmfinanciere());
  EXPECT_EQ(d.CBdefaut->caption(), langues::lfdefault());
  EXPECT_EQ(d.PBOK->caption(), langues::lbOK());
  EXPECT_FALSE(d.PBOK->isDefault());
  EXPECT_EQ(d.controls().size(), 15u);
}

// ---- Opening from the flags ----

struct OpenCase {
  const char* name;
  QByteArray file;
  bool welcome;
  bool simplified;
  bool usual;
  bool defaut;
};

class PreferencesOpen : public PreferencesTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(PreferencesOpen, ShowsTheFlagsAsTheyAreInMemory) {
  const OpenCase& c = GetParam();
  startWith(c.file);
  FPreferences& d = openDialog();
  EXPECT_EQ(d.RBafficherbienvenue->value(), c.welcome);
  EXPECT_EQ(d.RBnepasafficherbienvenue->value(), !c.welcome);
  EXPECT_EQ(d.RBsimplifie->value(), c.simplified);
  EXPECT_EQ(d.RBtraditionnel->value(), !c.simplified);
  EXPECT_EQ(d.RBusuelle->value(), c.usual);
  EXPECT_EQ(d.RBfinanciere->value(), !c.usual);
  EXPECT_EQ(d.CBdefaut->value(), c.defaut);
  // With "Default" the character choice is shown but greyed out.
  EXPECT_EQ(boxesEnabled(d), !c.defaut);
  EXPECT_TRUE(d.GroupBox1->enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PreferencesOpen,
    ::testing::Values(
        OpenCase{"TraditionalFinancialNoWelcome", prefsBytes(false, false, false, false), false, false, false, false},
        OpenCase{"SimplifiedFinancialWelcome", prefsBytes(true, false, true, false), true, true, false, false},
        OpenCase{"TraditionalUsual", prefsBytes(false, false, false, true), false, false, true, false},
        // The stored characters are disregarded with "Default": the dialog shows the defaults.
        OpenCase{"DefaultOverTraditionalFinancial", prefsBytes(true, true, false, false), true, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreferencesTest, OpensWithTheTraditionalDefaultInTheTraditionalInterface) {
  setLanguage(QStringLiteral("zh-TW"));
  startWith(prefsBytes(false, true, true, false));
  FPreferences& d = openDialog();
  EXPECT_TRUE(d.CBdefaut->value());
  EXPECT_TRUE(d.RBtraditionnel->value());
  EXPECT_TRUE(d.RBusuelle->value());
  EXPECT_FALSE(boxesEnabled(d));
}

// ---- Clicks act at once ----

struct ClickCase {
  const char* radio;
  QByteArray file;
  bool App::*flag;
  bool expected;
};

class PreferencesClick : public PreferencesTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(PreferencesClick, KeepsTheChoiceInTheFlagsAtOnceAndAfterTheCloseBox) {
  const ClickCase& c = GetParam();
  startWith(c.file);
  const QByteArray fileBefore = readPrefs();
  openDialog();
  ASSERT_NE(application().*c.flag, c.expected);
  click(c.radio);
  EXPECT_EQ(application().*c.flag, c.expected);

  closeByCloseBox();
  EXPECT_EQ(dialog(), nullptr);
  EXPECT_EQ(application().*c.flag, c.expected);
  EXPECT_EQ(readPrefs(), fileBefore) << "the close box writes nothing";

  // A new dialog shows the choice that was clicked.
  FPreferences& again = openDialog();
  EXPECT_TRUE(again.control<platform::RadioButton>(QString::fromLatin1(c.radio))->value());
}

INSTANTIATE_TEST_SUITE_P(
    Radios, PreferencesClick,
    ::testing::Values(ClickCase{"RBafficherbienvenue", prefsBytes(false, false, true, true),
                                &App::preflueafficherbienvenue, true},
                      ClickCase{"RBnepasafficherbienvenue", prefsBytes(true, false, true, true),
                                &App::preflueafficherbienvenue, false},
                      ClickCase{"RBsimplifie", prefsBytes(false, false, false, true), &App::prefluesimplifie, true},
                      ClickCase{"RBtraditionnel", prefsBytes(false, false, true, true), &App::prefluesimplifie, false},
                      ClickCase{"RBusuelle", prefsBytes(false, false, true, false), &App::preflueusuelle, true},
                      ClickCase{"RBfinanciere", prefsBytes(false, false, true, true), &App::preflueusuelle, false}),
    [](const auto& info) { return std::string(info.param.radio); });

TEST_F(PreferencesTest, TheGreyedCharacterChoiceCannotBeClicked) {
  startWith(prefsBytes(false, true, true, true));
  FPreferences& d = openDialog();
  click("RBtraditionnel");
  click("RBfinanciere");
  EXPECT_TRUE(d.RBsimplifie->value());
  EXPECT_TRUE(d.RBusuelle->value());
  EXPECT_TRUE(application().prefluesimplifie);
  EXPECT_TRUE(application().preflueusuelle);
}

// ---- Default ----

struct DefaultCase {
  const char* language;
  bool simplified;
};

class PreferencesDefault : public PreferencesTest, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(PreferencesDefault, TickingPutsTheLanguageDefaultAndUntickingFreesTheChoiceAsItIs) {
  setLanguage(QString::fromLatin1(GetParam().language));
  // The opposite of every default: traditional characters under simplified interfaces and the
  // other way round, in financial notation.
  startWith(prefsBytes(false, false, !GetParam().simplified, false));
  FPreferences& d = openDialog();
  ASSERT_TRUE(boxesEnabled(d));

  click("CBdefaut");
  EXPECT_TRUE(d.CBdefaut->value());
  EXPECT_TRUE(d.RBusuelle->value());
  EXPECT_FALSE(d.RBfinanciere->value());
  EXPECT_EQ(d.RBsimplifie->value(), GetParam().simplified);
  EXPECT_EQ(d.RBtraditionnel->value(), !GetParam().simplified);
  EXPECT_FALSE(boxesEnabled(d));
  // The dialog's controls change, the flags do not.
  EXPECT_FALSE(application().prefluedefaut);
  EXPECT_EQ(application().prefluesimplifie, !GetParam().simplified);
  EXPECT_FALSE(application().preflueusuelle);

  click("CBdefaut");
  EXPECT_FALSE(d.CBdefaut->value());
  EXPECT_TRUE(boxesEnabled(d));
  EXPECT_TRUE(d.RBusuelle->value());
  EXPECT_EQ(d.RBsimplifie->value(), GetParam().simplified);
}

INSTANTIATE_TEST_SUITE_P(Languages, PreferencesDefault,
                         ::testing::Values(DefaultCase{"en", true}, DefaultCase{"fr", true}, DefaultCase{"zh-CN", true},
                                           DefaultCase{"zh-TW", false}),
                         [](const auto& info) { return languageTestName(info.param.language); });

// ---- OK ----

struct OkCase {
  const char* name;
  QByteArray file;
  std::vector<const char*> clicks;
  QByteArray written;
};

class PreferencesOk : public PreferencesTest, public ::testing::WithParamInterface<OkCase> {};

TEST_P(PreferencesOk, StoresAllFourChoicesWritesTheFileAndCloses) {
  const OkCase& c = GetParam();
  startWith(c.file);
  const QString fourBefore = fpr().key(QStringLiteral("BB4"))->caption();
  const bool simplifiedMarkBefore = caracteresChinoissimplifié()->checked();
  const bool usualMarkBefore = caracteresnotationsusuelle()->checked();
  openDialog();
  for (const char* name : c.clicks) click(name);
  click("PBOK");

  EXPECT_EQ(dialog(), nullptr);
  EXPECT_EQ(readPrefs(), c.written);
  App& a = application();
  EXPECT_EQ(a.preflueafficherbienvenue, c.written[0] == 1);
  EXPECT_EQ(a.prefluedefaut, c.written[1] == 1);
  EXPECT_EQ(a.prefluesimplifie, c.written[2] == 1);
  EXPECT_EQ(a.preflueusuelle, c.written[3] == 1);
  // The running calculator keeps its table until the next start.
  EXPECT_EQ(fpr().key(QStringLiteral("BB4"))->caption(), fourBefore);
  EXPECT_EQ(caracteresChinoissimplifié()->checked(), simplifiedMarkBefore);
  EXPECT_EQ(caracteresnotationsusuelle()->checked(), usualMarkBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PreferencesOk,
    ::testing::Values(
        OkCase{"NothingChanged", prefsBytes(true, false, false, true), {}, prefsBytes(true, false, false, true)},
        OkCase{"DoNotShow",
               prefsBytes(true, true, true, true),
               {"RBnepasafficherbienvenue"},
               prefsBytes(false, true, true, true)},
        OkCase{"TraditionalFinancialNoWelcome",
               prefsBytes(true, true, true, true),
               {"CBdefaut", "RBtraditionnel", "RBfinanciere", "RBnepasafficherbienvenue"},
               prefsBytes(false, false, false, false)},
        // With "Default" ticked the greyed buttons are stored too: the defaults they show.
        OkCase{
            "DefaultTicked", prefsBytes(false, false, false, false), {"CBdefaut"}, prefsBytes(false, true, true, true)},
        OkCase{"ShowWelcomeAgain",
               prefsBytes(false, false, true, false),
               {"RBafficherbienvenue"},
               prefsBytes(true, false, true, false)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreferencesTest, TheCloseBoxWritesNoFileEvenWhenThereIsNone) {
  start();
  QFile::remove(prefsPath());
  openDialog();
  click("RBnepasafficherbienvenue");
  closeByCloseBox();
  EXPECT_FALSE(QFile::exists(prefsPath()));
  EXPECT_FALSE(application().preflueafficherbienvenue);
}

TEST_F(PreferencesTest, EscapeClosesLikeTheCloseBox) {
  startWith(prefsBytes(true, false, true, true));
  FPreferences& d = openDialog();
  click("RBtraditionnel");
  QTest::keyClick(d.widget(), Qt::Key_Escape);
  processEvents();
  EXPECT_EQ(dialog(), nullptr);
  EXPECT_EQ(readPrefs(), prefsBytes(true, false, true, true));
  EXPECT_FALSE(application().prefluesimplifie);
}

// ---- Across runs ----

TEST_F(PreferencesTest, AChoiceMadeWithOkHoldsAtTheNextStart) {
  start();
  openDialog();
  click("CBdefaut");
  click("RBtraditionnel");
  click("RBfinanciere");
  click("RBnepasafficherbienvenue");
  click("PBOK");

  // No welcome window is scripted: one would fail the test.
  restart();
  EXPECT_TRUE(services().modalWindows.isEmpty());
  EXPECT_EQ(fpr().key(QStringLiteral("BB2"))->caption(), QStringLiteral("貳"));
  EXPECT_EQ(fpr().key(QStringLiteral("BB10"))->caption(), QStringLiteral("拾"));
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), QStringLiteral("萬"));
  EXPECT_TRUE(caracteresChinoistraditionnel()->checked());
  EXPECT_TRUE(caracteresnotationfinanciere()->checked());
  EXPECT_FALSE(caracteresChinoissimplifié()->checked());
  EXPECT_FALSE(caracteresnotationsusuelle()->checked());
}

}  // namespace
