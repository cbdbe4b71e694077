// Every text that a window shows fits its control, measured on the text as laid out or as
// painted: the static texts, captions, buttons, check boxes and radio buttons of every window,
// in the four interface languages and in the English that other languages fall back to; and
// the display with every length of number that the reader takes.

#include <QAbstractButton>
#include <QWidget>

#include "calculator/fband.h"
#include "dialogs/FPreferences.h"
#include "dialogs/Fbienvenueavec.h"
#include "dialogs/fapropos.h"
#include "numerals/fouimais.h"
#include "support/app_fixture.h"
#include "support/caption_ink.h"

namespace {

// Where the control's text shows, in its own coordinates: a static text's laid-out glyphs, a
// button's caption as its style paints it.
QRect inkOf(const platform::Control& control) {
  if (const auto* text = dynamic_cast<const platform::StaticText*>(&control)) return text->textInk();
  if (auto* button = qobject_cast<QAbstractButton*>(control.widget())) return paintedCaption(*button);
  return {};
}

// The part of the control's text that its control, or a control around it, cuts off: empty when
// the whole text shows. A caption that its button cuts paints less than it does uncut.
QString cutOff(const platform::Control& control) {
  QRect ink = inkOf(control);
  if (auto* button = qobject_cast<QAbstractButton*>(control.widget())) {
    const QSize uncut = uncutCaptionSize(*button);
    if (ink.size() != uncut) {
      return QStringLiteral("caption painted %1x%2, uncut %3x%4")
          .arg(ink.width())
          .arg(ink.height())
          .arg(uncut.width())
          .arg(uncut.height());
    }
  }
  if (ink.isEmpty()) return {};
  const QWidget* content = control.window().content();
  for (const QWidget* w = control.widget(); w && w != content; w = w->parentWidget()) {
    if (!QRect(QPoint(0, 0), w->size()).contains(ink)) {
      return QStringLiteral("ink %1,%2 %3x%4 outside %5 (%6x%7)")
          .arg(ink.x())
          .arg(ink.y())
          .arg(ink.width())
          .arg(ink.height())
          .arg(w->objectName())
          .arg(w->width())
          .arg(w->height());
    }
    ink.translate(w->pos());
  }
  return {};
}

// Every shown control of the window whose text does not show whole, with what is cut off.
QStringList cutTexts(const platform::Window& window) {
  QStringList cut;
  for (const auto& control : window.controls()) {
    if (!control->widget() || !control->widget()->isVisibleTo(window.widget())) continue;
    const QString problem = cutOff(*control);
    if (!problem.isEmpty()) cut << control->name() + QStringLiteral(": ") + problem;
  }
  return cut;
}

// The longest number the reader takes (12 integer and 2 decimal digits, negative), key by key.
const char* const longestNumber[] = {"BBn",    "BB9",    "BB1000", "BB9",   "BB100", "BB9",  "BB10", "BB9",   "BB108",
                                     "BB9",    "BB1000", "BB9",    "BB100", "BB9",   "BB10", "BB9",  "BB104", "BB9",
                                     "BB1000", "BB9",    "BB100",  "BB9",   "BB10",  "BB9",  "BBp",  "BB9",   "BB9"};

class TextFitsTest : public AppFixture, public ::testing::WithParamInterface<const char*> {
 protected:
  void expectWhole(const platform::Window* window, const char* what) {
    ASSERT_NE(window, nullptr) << what;
    const QStringList cut = cutTexts(*window);
    EXPECT_TRUE(cut.isEmpty()) << what << ":\n  " << cut.join(QStringLiteral("\n  ")).toStdString();
  }
  void pressLongestNumber() {
    for (const char* key : longestNumber) press(QString::fromLatin1(key));
  }
};

TEST_P(TextFitsTest, EveryWindowShowsEachOfItsTextsWhole) {
  setLanguage(QString::fromLatin1(GetParam()));
  start();
  // The main window with everything it can show: help captions, the Arabic echo, an operator,
  // the longest number, the converter and the paper tape.
  chooseMenu(QStringLiteral("AideAidesurtouches"));
  chooseMenu(QStringLiteral("AideAfficherlecranencours"));
  pressLongestNumber();
  press(QStringLiteral("BBad"));
  pressLongestNumber();
  press(QStringLiteral("DisclosureTriangle1"));
  press(QStringLiteral("DisclosureTriangle2"));
  expectWhole(&fpr(), "main window");
  expectWhole(application().liveInstance<fband>(), "paper tape");
  // The note, over a text of the other table.
  click(QStringLiteral("EFca"));
  type(QStringLiteral("壹"), QStringLiteral("EFca"));
  ASSERT_TRUE(noteShown());
  expectWhole(application().liveInstance<fouimais>(), "note");
  chooseMenu(QStringLiteral("menuapropos"));
  expectWhole(application().liveInstance<fapropos>(), "about box");
  chooseMenu(QStringLiteral("Preferences"));
  expectWhole(application().liveInstance<FPreferences>(), "preferences");
  // The welcome window, dressed at start for the interface language.
  expectWhole(application().liveInstance<Fbienvenueavec>(), "welcome");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitsTest, ::testing::Values("en", "fr", "zh-CN", "zh-TW", "de"),
                         [](const auto& info) { return languageTestName(info.param); });

class DisplayTextTest : public AppFixture {};

// The display takes the number on two lines: at 20 pixels to 24 characters, at 17 from 25 on.
// Key by key, the longest number passes through every length the reader takes, in each table.
TEST_F(DisplayTextTest, EveryLengthOfNumberShowsWholeOnTheDisplay) {
  bool started = false;
  for (bool simplified : {true, false}) {
    for (bool usual : {true, false}) {
      SCOPED_TRACE(std::string(simplified ? "simplified " : "traditional ") + (usual ? "usual" : "financial"));
      writePrefs(prefsBytes(false, false, simplified, usual));
      started ? restart() : start();
      started = true;
      platform::StaticText* display = fpr().StaticText1;
      int length = 0;
      for (const char* key : longestNumber) {
        press(QString::fromLatin1(key));
        ++length;
        ASSERT_EQ(display->text().size(), length) << "each key adds its character";
        EXPECT_EQ(display->textSize(), length < 25 ? 20 : 17) << length;
        EXPECT_EQ(cutOff(*display), QString()) << length << " characters: " << display->text().toStdString();
      }
    }
  }
}

}  // namespace
