// The welcome window: dressed for the interface language and shown modally before the main
// window and the character table; its button to the language settings hands Return over to OK;
// its box turns it off for later starts, and every closing writes the preferences file.

#include <QByteArray>
#include <QFile>
#include <QTest>
#include <QWindow>

#include "app/Menu.h"
#include "dialogs/Fbienvenueavec.h"
#include "strings/langues.h"
#include "support/app_fixture.h"

namespace {

const QString welcomeClass = QStringLiteral("Fbienvenueavec");

Fbienvenueavec& asWelcome(platform::Window& w) {
  EXPECT_EQ(w.className(), welcomeClass);
  return static_cast<Fbienvenueavec&>(w);
}

class WelcomeTest : public AppFixture {
 protected:
  void pressInWelcome(const char* name) { press(QString::fromLatin1(name), welcomeClass); }
  // A click at a point of the window, routed by Qt to whatever control lies there.
  static void clickAt(platform::Window& w, const QPoint& inContent) {
    QWindow* handle = w.widget()->windowHandle();
    ASSERT_NE(handle, nullptr);
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, w.content()->mapTo(w.widget(), inContent));
    processEvents();
  }
  static QPoint middleOf(platform::Control* control) { return control->widget()->geometry().center(); }
  // The middle of a check box's box, which alone takes clicks when it has no caption.
  static QPoint boxOf(platform::CheckBox* box) { return box->widget()->geometry().topLeft() + pressPoint(*box); }
  std::vector<platform::MenuItem*> menus() { return {EditMen(), fenetremenu(), caracteresMenu(), aidemenu()}; }
};

// ---- Start-up without a preferences file, in each interface language ----

struct LanguageCase {
  const char* language;
  platform::Picture (Pictures::*picture)();
  bool captions;
  bool chinese;
  const char* tenThousand;  // the key 10⁴ of the default table
  bool simplified;
};

class WelcomeAtFirstStart : public WelcomeTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(WelcomeAtFirstStart, ShowsTheDressedWindowFirstThenTheDefaultTable) {
  const LanguageCase& c = GetParam();
  setLanguage(QString::fromLatin1(c.language));
  if (!*c.language) withoutTables();
  bool shown = false;
  onNextModal([&](platform::Window& w) {
    shown = true;
    Fbienvenueavec& welcome = asWelcome(w);
    App& a = application();
    EXPECT_TRUE(welcome.visible());
    EXPECT_EQ(welcome.content()->size(), QSize(501, 501));
    EXPECT_EQ(welcome.title(), langues::lfbienvenuetitre());
    if (c.picture) {
      EXPECT_EQ(welcome.Canvas3->backdrop(), (a.pictures.*c.picture)());
      EXPECT_FALSE(welcome.Canvas3->backdrop().isNull());
    } else {
      EXPECT_TRUE(welcome.Canvas3->backdrop().isNull());
    }
    EXPECT_EQ(welcome.Canvas1->backdrop(), a.pictures.ImageMauvais());
    EXPECT_EQ(welcome.Canvas2->backdrop(), a.pictures.ImageBon());
    EXPECT_EQ(welcome.PushButton1->caption(), c.captions ? langues::lbOuvrirlangues() : QString());
    EXPECT_EQ(welcome.PushButton2->caption(), c.captions ? langues::lbOK() : QString());
    EXPECT_EQ(welcome.CheckBox1->caption(), QString());
    EXPECT_FALSE(welcome.CheckBox1->value());
    EXPECT_TRUE(welcome.PushButton1->isDefault());
    EXPECT_FALSE(welcome.PushButton2->isDefault());
    // Before the table: the keypad has no captions yet.
    EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), QString());
    for (platform::MenuItem* menu : menus()) EXPECT_EQ(menu->visible(), !c.chinese) << menu->name().toStdString();
    pressInWelcome("PushButton2");
  });
  startWithoutPrefs();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(fpr().visible());
  for (platform::MenuItem* menu : menus()) EXPECT_TRUE(menu->visible()) << menu->name().toStdString();
  EXPECT_EQ(fpr().key(QStringLiteral("BB104"))->caption(), QString::fromUtf8(c.tenThousand));
  EXPECT_EQ(caracteresChinoissimplifié()->checked(), c.simplified);
  EXPECT_EQ(caracteresChinoistraditionnel()->checked(), !c.simplified);
  EXPECT_TRUE(caracteresnotationsusuelle()->checked());
  // OK with the box unticked: the file is written, the window stays on.
  EXPECT_EQ(readPrefs(), prefsBytes(true, true, c.simplified, true));
}

INSTANTIATE_TEST_SUITE_P(Languages, WelcomeAtFirstStart,
                         ::testing::Values(LanguageCase{"en", &Pictures::ImageEN, true, false, "万", true},
                                           LanguageCase{"fr", &Pictures::ImageFR, true, false, "万", true},
                                           LanguageCase{"zh-CN", &Pictures::ImageSIMP, false, true, "万", true},
                                           LanguageCase{"zh-TW", &Pictures::ImageTRAD, false, true, "萬", false},
                                           // A German system: the English page, captions and texts.
                                           LanguageCase{"de", &Pictures::ImageEN, true, false, "万", true},
                                           // No table at all: no picture and no captions.
                                           LanguageCase{"", nullptr, false, false, "万", true}),
                         [](const auto& info) { return languageTestName(info.param.language); });

// ---- Closing ----

enum class Closing { Ok, CloseBox, Escape };

struct CloseCase {
  const char* name;
  Closing how;
  bool ticked;
  bool welcomeAfter;
};

class WelcomeClose : public WelcomeTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(WelcomeClose, AppliesTheBoxAndAlwaysWritesTheFile) {
  const CloseCase& c = GetParam();
  onNextModal([&](platform::Window& w) {
    if (c.ticked) pressInWelcome("CheckBox1");
    switch (c.how) {
      case Closing::Ok:
        pressInWelcome("PushButton2");
        break;
      case Closing::CloseBox:
        w.widget()->close();
        break;
      case Closing::Escape:
        QTest::keyClick(w.widget(), Qt::Key_Escape);
        break;
    }
    processEvents();
  });
  startWithoutPrefs();
  EXPECT_EQ(application().liveInstance<Fbienvenueavec>(), nullptr);
  EXPECT_EQ(application().preflueafficherbienvenue, c.welcomeAfter);
  EXPECT_EQ(readPrefs(), prefsBytes(c.welcomeAfter, true, true, true));

  // The next start shows the window again only when it was left on.
  if (c.welcomeAfter) onNextModal([](platform::Window& w) { w.close(); });
  restart();
  EXPECT_EQ(services().modalWindows.size(), c.welcomeAfter ? 1 : 0);
  EXPECT_TRUE(fpr().visible());
}

INSTANTIATE_TEST_SUITE_P(Ways, WelcomeClose,
                         ::testing::Values(CloseCase{"OkTicked", Closing::Ok, true, false},
                                           CloseCase{"OkUnticked", Closing::Ok, false, true},
                                           CloseCase{"CloseBoxTicked", Closing::CloseBox, true, false},
                                           CloseCase{"CloseBoxUnticked", Closing::CloseBox, false, true},
                                           CloseCase{"EscapeTicked", Closing::Escape, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WelcomeTest, AnUntickedBoxNeverTurnsTheWindowBackOn) {
  // The flag is off and the window, built hidden for dressing, closes later all the same.
  writePrefs(prefsBytes(false, false, false, false));
  start();
  Fbienvenueavec* welcome = application().liveInstance<Fbienvenueavec>();
  ASSERT_NE(welcome, nullptr);
  EXPECT_FALSE(welcome->visible());
  EXPECT_TRUE(services().modalWindows.isEmpty());
  // It was dressed for the interface language even so.
  EXPECT_EQ(welcome->Canvas3->backdrop(), application().pictures.ImageEN());
  EXPECT_EQ(welcome->PushButton2->caption(), langues::lbOK());

  QFile::remove(prefsPath());
  welcome->close();
  EXPECT_FALSE(application().preflueafficherbienvenue);
  EXPECT_EQ(readPrefs(), prefsBytes(false, false, false, false));
}

// ---- The language settings button ----

TEST_F(WelcomeTest, ReturnOpensTheLanguageSettingsFirstAndThenMeansOk) {
  onNextModal([&](platform::Window& w) {
    Fbienvenueavec& welcome = asWelcome(w);
    EXPECT_EQ(w.defaultButton(), welcome.PushButton1);
    QTest::keyClick(w.widget(), Qt::Key_Return);
    processEvents();
    EXPECT_EQ(services().languageSettingsOpened, 1);
    ASSERT_FALSE(w.isClosed()) << "the window stays open and modal";
    EXPECT_FALSE(welcome.PushButton1->isDefault());
    EXPECT_TRUE(welcome.PushButton2->isDefault());
    EXPECT_EQ(w.defaultButton(), welcome.PushButton2);
    QTest::keyClick(w.widget(), Qt::Key_Return);
    processEvents();
  });
  startWithoutPrefs();
  EXPECT_EQ(services().languageSettingsOpened, 1);
  EXPECT_EQ(services().modalWindows.size(), 1);
  EXPECT_TRUE(fpr().visible());
}

TEST_F(WelcomeTest, EveryPressOfTheLanguageButtonOpensTheSettingsAgain) {
  onNextModal([&](platform::Window& w) {
    pressInWelcome("PushButton1");
    pressInWelcome("PushButton1");
    EXPECT_EQ(services().languageSettingsOpened, 2);
    EXPECT_FALSE(w.isClosed());
    w.close();
  });
  startWithoutPrefs();
  EXPECT_EQ(services().languageSettingsOpened, 2);
}

TEST_F(WelcomeTest, ADesktopWithoutALanguageSettingsToolIsReported) {
  onNextModal([&](platform::Window& w) {
    services().desktopOpensNothing = true;
    pressInWelcome("PushButton1");
    EXPECT_EQ(services().messages, QStringList{QStringLiteral("No language settings tool was found on this system.")});
    EXPECT_FALSE(w.isClosed());
    w.close();
  });
  startWithoutPrefs();
}

TEST_F(WelcomeTest, ClicksGoThroughThePictureToTheButtonsAndTheBox) {
  onNextModal([&](platform::Window& w) {
    Fbienvenueavec& welcome = asWelcome(w);
    // The picture lies above them all, yet Qt finds the controls under the mouse.
    for (platform::Control* control :
         std::initializer_list<platform::Control*>{welcome.PushButton1, welcome.PushButton2, welcome.CheckBox1}) {
      EXPECT_EQ(w.content()->childAt(middleOf(control)), control->widget()) << control->name().toStdString();
    }
    clickAt(w, boxOf(welcome.CheckBox1));
    EXPECT_TRUE(welcome.CheckBox1->value());
    clickAt(w, middleOf(welcome.PushButton1));
    EXPECT_EQ(services().languageSettingsOpened, 1);
    clickAt(w, middleOf(welcome.PushButton2));
    EXPECT_TRUE(w.isClosed());
  });
  startWithoutPrefs();
  EXPECT_EQ(readPrefs(), prefsBytes(false, true, true, true));
}

}  // namespace
