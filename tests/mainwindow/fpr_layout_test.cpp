// The main window as it is built: every control with its class, place, parent, stacking,
// visibility, font, colour, locks, help tag and accessible name; the focus after opening; and
// closing, which quits.

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTimer>
#include <map>

#include "calculator/fband.h"
#include "mainwindow/keypad.h"
#include "numerals/fouimais.h"
#include "strings/langues.h"
#include "support/app_fixture.h"

namespace {

enum class Kind { EditField, StaticText, Canvas, Bevel, Triangle, Timer, Push, Line };

struct ControlRow {
  const char* name;
  int index;
  Kind kind;
  int left, top, width, height;
  const char* parent;  // "" for the window
  bool visible;
  const char* font;  // "" where the control has no font of its own
  int size;
  platform::Color color;
  const char* locks;  // L, T, R, B
  QString (*helpTag)();
  const char* accessibleName;  // "" when none is given
};

QString none() { return QString(); }

constexpr platform::Color black = 0x000000, pink = 0xF51077, grey = 0xA7A7A7;
constexpr int keySize = 38;

using K = Kind;

// In the order the controls are made: a later one lies above an earlier one.
const ControlRow rows[] = {
    {"EFca", 0, K::EditField, 9, 306, 263, 41, "", true, "system", 18, black, "LTR", langues::lhca, "Chinese numerals"},
    {"EditField1", 0, K::EditField, 151, 316, 80, 22, "EFca", false, "System", 0, black, "", none, ""},
    {"StaticText3", 1, K::StaticText, 137, 328, 13, 20, "EFca", true, "System", 12, black, "L", none, ""},
    {"StaticText3", 2, K::StaticText, 151, 328, 34, 20, "EFca", true, "System", 12, black, "L", none, ""},
    {"StaticText2", 0, K::StaticText, 10, 316, 262, 20, "EFca", true, "System", 15, grey, "", none, ""},
    {"Canvas4", 0, K::Canvas, 10, 10, 261, 64, "", true, "", 0, black, "", none, "Calculator display"},
    {"STopera", 0, K::StaticText, 20, 10, 33, 20, "Canvas4", true, "System", 11, black, "LTR", none, ""},
    {"StaticText11", 0, K::StaticText, 130, 10, 136, 20, "Canvas4", false, "System", 0, pink, "", none, ""},
    {"StaticText1", 0, K::StaticText, 19, 29, 247, 44, "Canvas4", true, "Hei", 20, black, "", none, ""},
    {"StaticText3", 3, K::StaticText, 188, 334, 91, 20, "", true, "System", 12, black, "L", none, ""},
    {"DisclosureTriangle1", 0, K::Triangle, 10, 274, 14, 12, "", true, "", 0, black, "LTR",
     langues::lhafficherconvertisseur, "Converter"},
    {"BevelButton1", 0, K::Bevel, 192, 166, 79, 18, "", true, "Hei", 16, black, "LTR", langues::lhunpas, "delete"},
    {"DisclosureTriangle2", 0, K::Triangle, 256, 274, 14, 12, "", true, "", 0, black, "LTR", langues::lhafficherbande,
     "Paper tape"},
    {"EFcr", 0, K::EditField, 9, 357, 263, 25, "", true, "System", 16, black, "LTR", langues::lhcr, "Arabic numerals"},
    {"StaticText6", 0, K::StaticText, 17, 360, 249, 19, "EFcr", true, "System", 15, grey, "B", none, ""},
    {"Tca", 0, K::Timer, 0, 0, 0, 0, "", true, "", 0, black, "", none, ""},
    {"Tcr", 0, K::Timer, 0, 0, 0, 0, "", true, "", 0, black, "", none, ""},
    {"BBn", 0, K::Bevel, 10, 84, keySize, keySize, "", true, "HEI", 20, black, "LTR", none, "minus"},
    {"BB1000", 0, K::Bevel, 51, 166, keySize, keySize, "", true, "Hei", 20, black, "", none, "thousand"},
    {"BBe", 0, K::Bevel, 192, 207, 79, keySize, "", true, "Hei", 20, black, "", none, "equals"},
    {"BB4", 0, K::Bevel, 133, 248, keySize, keySize, "", true, "hei", 20, black, "", none, "four"},
    {"BB9", 0, K::Bevel, 92, 248, keySize, keySize, "", true, "hei", 20, black, "", none, "nine"},
    {"BB108", 0, K::Bevel, 51, 248, keySize, keySize, "", true, "hei", 20, black, "", none, "hundred million"},
    {"BB3", 0, K::Bevel, 133, 207, keySize, keySize, "", true, "Hei", 20, black, "", none, "three"},
    {"BB8", 0, K::Bevel, 92, 207, keySize, keySize, "", true, "Hei", 18, black, "", none, "eight"},
    {"BB104", 0, K::Bevel, 51, 207, keySize, keySize, "", true, "Hei", 20, black, "", none, "ten thousand"},
    {"BB2", 0, K::Bevel, 133, 166, keySize, keySize, "", true, "Hei", 20, black, "", none, "two"},
    {"BB7", 0, K::Bevel, 92, 166, keySize, keySize, "", true, "Hei", 20, black, "", none, "seven"},
    {"BBsous", 0, K::Bevel, 233, 125, keySize, keySize, "", true, "Hei", 20, black, "", none, "subtract"},
    {"BBdiv", 0, K::Bevel, 192, 125, keySize, keySize, "", true, "Hei", 20, black, "", none, "divide"},
    {"BB1", 0, K::Bevel, 133, 125, keySize, keySize, "", true, "Hei", 20, black, "", none, "one"},
    {"BB6", 0, K::Bevel, 92, 125, keySize, keySize, "", true, "Hei", 20, black, "", none, "six"},
    {"BB100", 0, K::Bevel, 51, 125, keySize, keySize, "", true, "Hei", 20, black, "", none, "hundred"},
    {"BBp", 0, K::Bevel, 10, 125, keySize, keySize, "", true, "hei", 20, black, "", none, "point"},
    // The point's caption is drawn larger (and bold) than the default size, where it is a faint dot.
    {"STP", 0, K::StaticText, 10, 147, 36, 15, "BBp", false, "System", 14, pink, "LTR", none, ""},
    {"BBad", 0, K::Bevel, 233, 84, keySize, keySize, "", true, "Hei", 20, black, "T", none, "add"},
    {"BBmu", 0, K::Bevel, 192, 84, keySize, keySize, "", true, "Hei", 20, black, "", none, "multiply"},
    {"BBz", 0, K::Bevel, 133, 84, keySize, keySize, "", true, "HEI", 20, black, "", none, "zero"},
    {"BB5", 0, K::Bevel, 92, 84, keySize, keySize, "", true, "HEI", 20, black, "", none, "five"},
    {"BB10", 0, K::Bevel, 51, 84, keySize, keySize, "", true, "HEI", 20, black, "", none, "ten"},
    {"ST108", 0, K::StaticText, 51, 270, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST9", 0, K::StaticText, 92, 270, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ste", 0, K::StaticText, 234, 229, 35, 19, "", false, "System", 0, pink, "LTR", none, ""},
    {"STn", 0, K::StaticText, 10, 106, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST10", 0, K::StaticText, 51, 106, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST1000", 0, K::StaticText, 51, 188, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST100", 0, K::StaticText, 51, 147, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST10000", 0, K::StaticText, 51, 229, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST5", 0, K::StaticText, 92, 106, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST6", 0, K::StaticText, 92, 147, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST7", 0, K::StaticText, 92, 188, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST8", 0, K::StaticText, 92, 229, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST0", 0, K::StaticText, 133, 106, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST1", 0, K::StaticText, 133, 147, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST3", 0, K::StaticText, 133, 229, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST2", 0, K::StaticText, 133, 188, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"ST4", 0, K::StaticText, 133, 270, 36, 20, "", false, "System", 10, pink, "LTR", none, ""},
    {"STmu", 0, K::StaticText, 192, 106, 35, 19, "", false, "System", 10, pink, "LTR", none, ""},
    {"STdiv", 0, K::StaticText, 191, 147, 36, 19, "", false, "System", 0, pink, "LTR", none, ""},
    {"STsous", 0, K::StaticText, 233, 147, 35, 19, "", false, "System", 0, pink, "LTR", none, ""},
    {"BevelButton2", 0, K::Bevel, 192, 186, 79, 18, "", true, "hei", 16, black, "LTR", langues::lheffacertout, "clear"},
    {"STAd", 0, K::StaticText, 233, 106, 36, 19, "", false, "System", 0, pink, "LTR", none, ""},
    {"StaticText13", 0, K::StaticText, 118, 9, 15, 20, "", false, "System", 0, pink, "", none, ""},
    {"PushButton1", 0, K::Push, 19, 64, 16, 20, "", false, "", 0, black, "", none, ""},
    {"Line2", 0, K::Line, 0, 296, 349, 1, "", true, "", 0, black, "", none, ""},
};

bool hasKind(platform::Control* c, Kind kind) {
  switch (kind) {
    case K::EditField:
      return dynamic_cast<platform::EditField*>(c) != nullptr;
    case K::StaticText:
      return dynamic_cast<platform::StaticText*>(c) != nullptr;
    case K::Canvas:
      return dynamic_cast<platform::Canvas*>(c) != nullptr;
    case K::Bevel:
      return dynamic_cast<platform::BevelButton*>(c) != nullptr;
    case K::Triangle:
      return dynamic_cast<platform::DisclosureTriangle*>(c) != nullptr;
    case K::Timer:
      return dynamic_cast<platform::Timer*>(c) != nullptr;
    case K::Push:
      return dynamic_cast<platform::PushButton*>(c) != nullptr;
    case K::Line:
      return dynamic_cast<platform::Line*>(c) != nullptr;
  }
  return false;
}

QString locksOf(const platform::Control& c) {
  QString locks;
  if (c.lockLeft()) locks += QLatin1Char('L');
  if (c.lockTop()) locks += QLatin1Char('T');
  if (c.lockRight()) locks += QLatin1Char('R');
  if (c.lockBottom()) locks += QLatin1Char('B');
  return locks;
}

// The font a control stores, and the size it is drawn at.
struct FontSeen {
  QString family;
  int size = -1;
  platform::Color color = 0;
};

FontSeen fontOf(platform::Control* c) {
  if (auto* t = dynamic_cast<platform::StaticText*>(c)) return {t->textFont(), t->textSize(), t->textColor()};
  if (auto* e = dynamic_cast<platform::EditField*>(c)) return {e->textFont(), e->textSize(), e->textColor()};
  if (auto* b = dynamic_cast<platform::BevelButton*>(c)) return {b->textFont(), b->textSize(), 0};
  return {};
}

class MainWindowLayoutTest : public AppFixture {};

TEST_F(MainWindowLayoutTest, EveryControlHasItsClassPlaceParentAndLooks) {
  start();
  Fpr& w = fpr();
  ASSERT_EQ(w.controls().size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const ControlRow& row = rows[i];
    const QString name = QString::fromLatin1(row.name);
    SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.index));
    platform::Control* c = w.controls()[i].get();
    // Made in this order, under its name.
    ASSERT_EQ(c->name(), name);
    EXPECT_EQ(c->index(), row.index);
    EXPECT_EQ(w.findControl(name, row.index), c);
    EXPECT_TRUE(hasKind(c, row.kind));
    EXPECT_EQ(c->visible(), row.visible);
    EXPECT_EQ(locksOf(*c), QString::fromLatin1(row.locks));
    EXPECT_EQ(c->helpTag(), row.helpTag());
    if (row.kind == K::Timer) {
      EXPECT_EQ(c->widget(), nullptr);
      EXPECT_EQ(static_cast<platform::Timer*>(c)->mode(), 0);
      continue;
    }
    EXPECT_EQ(QRect(c->left(), c->top(), c->width(), c->height()), QRect(row.left, row.top, row.width, row.height));
    // The widget lies there in the window, inside its parent's widget.
    QWidget* widget = c->widget();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(QRect(widget->mapTo(w.content(), QPoint(0, 0)), widget->size()),
              QRect(row.left, row.top, row.width, row.height));
    const QString parentName = QString::fromLatin1(row.parent);
    if (parentName.isEmpty()) {
      EXPECT_EQ(c->parentControl(), nullptr);
      EXPECT_EQ(widget->parentWidget(), w.content());
    } else {
      ASSERT_NE(c->parentControl(), nullptr);
      EXPECT_EQ(c->parentControl()->name(), parentName);
      EXPECT_EQ(widget->parentWidget(), c->parentControl()->widget());
    }
    EXPECT_EQ(widget->isVisibleTo(w.widget()), row.visible && (!c->parentControl() || c->parentControl()->visible()));
    EXPECT_EQ(widget->toolTip(), row.helpTag());
    EXPECT_EQ(widget->accessibleName(), QString::fromLatin1(row.accessibleName));
    if (*row.font) {
      const FontSeen font = fontOf(c);
      EXPECT_EQ(font.family.compare(QLatin1String(row.font), Qt::CaseInsensitive), 0) << font.family.toStdString();
      EXPECT_EQ(font.size, row.size);
      if (row.kind != K::Bevel) {
        EXPECT_EQ(font.color, row.color);
      }
      if (row.size > 0) {
        EXPECT_EQ(widget->font().pixelSize(), row.size);
      }
    }
  }
}

TEST_F(MainWindowLayoutTest, ALaterControlLiesAboveAnEarlierOne) {
  start();
  Fpr& w = fpr();
  // Among the widgets of one parent, Qt draws later children above earlier ones.
  std::map<QWidget*, int> lastPlace;
  for (const auto& control : w.controls()) {
    QWidget* widget = control->widget();
    if (!widget) continue;
    QWidget* parent = widget->parentWidget();
    const int place = static_cast<int>(parent->children().indexOf(widget));
    ASSERT_GE(place, 0);
    if (lastPlace.count(parent)) {
      EXPECT_GT(place, lastPlace[parent]) << control->name().toStdString();
    }
    lastPlace[parent] = place;
  }
  // Each key caption above its key, the grey hints above their fields, the display texts above the screen.
  auto above = [&](const char* upper, const char* lower) {
    QWidget* u = w.findControl(QString::fromLatin1(upper))->widget();
    QWidget* l = w.findControl(QString::fromLatin1(lower))->widget();
    if (u->parentWidget() == l) return true;
    return u->parentWidget() == l->parentWidget() &&
           u->parentWidget()->children().indexOf(u) > l->parentWidget()->children().indexOf(l);
  };
  EXPECT_TRUE(above("ST4", "BB4"));
  EXPECT_TRUE(above("STAd", "BBad"));
  EXPECT_TRUE(above("STP", "BBp"));
  EXPECT_TRUE(above("ste", "BBe"));
  EXPECT_TRUE(above("StaticText2", "EFca"));
  EXPECT_TRUE(above("StaticText6", "EFcr"));
  EXPECT_TRUE(above("StaticText1", "Canvas4"));
  EXPECT_TRUE(above("StaticText13", "Canvas4"));
}

TEST_F(MainWindowLayoutTest, TheWindowIsAGreyFixedCalculatorWithTheConverterFoldedAway) {
  start();
  Fpr& w = fpr();
  EXPECT_EQ(w.title(), QStringLiteral(" Calcimandarix"));
  EXPECT_EQ(w.width(), 281);
  EXPECT_EQ(w.height(), 296);
  EXPECT_EQ(w.content()->size(), QSize(281, 296));
  EXPECT_FALSE(w.resizable());
  EXPECT_EQ(w.frame(), platform::Frame::Document);
  EXPECT_EQ(w.minWidth(), 244);
  EXPECT_EQ(w.minHeight(), 345);
  EXPECT_EQ(w.maxWidth(), 863);
  EXPECT_EQ(w.maxHeight(), 345);
  EXPECT_EQ(w.content()->palette().color(QPalette::Window), QColor(150, 150, 150));
  EXPECT_EQ(w.menuBar(), application().menuBar());
  // The converter fields exist (others write to them) but lie below the folded window.
  for (platform::Control* field : {static_cast<platform::Control*>(w.EFca), static_cast<platform::Control*>(w.EFcr)}) {
    EXPECT_TRUE(field->widget()->visibleRegion().isEmpty()) << field->name().toStdString();
  }
  // No push button shows, and the hidden one does nothing.
  EXPECT_FALSE(w.PushButton1->widget()->isVisible());
  EXPECT_EQ(w.PushButton1->caption(), QStringLiteral("Sans_titre"));
  // Only the first delete key and the display take the focus; a key press leaves it where it was.
  EXPECT_TRUE(w.BevelButton1->acceptFocus());
  EXPECT_FALSE(w.BevelButton2->acceptFocus());
  EXPECT_FALSE(w.DisclosureTriangle1->acceptFocus());
  EXPECT_FALSE(w.DisclosureTriangle2->acceptFocus());
  EXPECT_TRUE(w.Canvas4->acceptFocus());
  for (const KeySpec& spec : keypad()) {
    const char* key = spec.name;
    platform::BevelButton* button = w.key(QString::fromLatin1(key));
    EXPECT_FALSE(button->acceptFocus()) << key;
    EXPECT_EQ(button->widget()->focusPolicy(), Qt::NoFocus) << key;
    // Assistive technology says the meaning, then the character.
    EXPECT_EQ(button->widget()->accessibleDescription(), button->caption()) << key;
    EXPECT_FALSE(button->caption().isEmpty()) << key;
  }
}

TEST_F(MainWindowLayoutTest, KeysAreDrawnInTheChineseFontEightSmallerThanTheRest) {
  start();
  const QString chinese = QFontInfo(fpr().key(QStringLiteral("BB4"))->widget()->font()).family();
  EXPECT_TRUE(QFontDatabase::writingSystems(chinese).contains(QFontDatabase::SimplifiedChinese))
      << chinese.toStdString();
  for (const KeySpec& spec : keypad()) {
    const char* key = spec.name;
    QWidget* widget = fpr().key(QString::fromLatin1(key))->widget();
    EXPECT_EQ(widget->font().pixelSize(), QLatin1String(key) == QLatin1String("BB8") ? 18 : 20) << key;
    EXPECT_EQ(QFontInfo(widget->font()).family(), chinese) << key;
    // The caption fits on its key.
    const QFontMetrics metrics(widget->font());
    const QString caption = fpr().key(QString::fromLatin1(key))->caption();
    EXPECT_LE(metrics.horizontalAdvance(caption), widget->width()) << key;
    EXPECT_LE(metrics.height(), widget->height()) << key;
  }
}

// ---- Focus after opening ----

// The window's own opening leaves no control focused, not even the hidden field that takes the
// focus to give it away; seen while start-up waits on the welcome window.
TEST_F(MainWindowLayoutTest, OpeningLeavesNoControlFocused) {
  bool checked = false;
  onNextModal([&checked](platform::Window& window) {
    checked = true;
    platform::Control* focused = app().focusedControl();
    EXPECT_TRUE(focused == nullptr || &focused->window() != &Fpr::get()) << focused->name().toStdString();
    EXPECT_FALSE(Fpr::get().EditField1->hasFocus());
    QWidget* widget = QApplication::focusWidget();
    EXPECT_TRUE(widget == nullptr || !Fpr::get().widget()->isAncestorOf(widget))
        << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    window.close();
  });
  startWithoutPrefs();
  EXPECT_TRUE(checked);
}

// Then the reset of the reader gives the keypad surface the focus: typing goes to the calculator.
TEST_F(MainWindowLayoutTest, AfterTheStartTheDisplayHoldsTheFocus) {
  start();
  EXPECT_EQ(application().focusedControl(), fpr().Canvas4);
  EXPECT_FALSE(fpr().EditField1->hasFocus());
  EXPECT_FALSE(fpr().EFca->hasFocus());
  EXPECT_FALSE(fpr().EFcr->hasFocus());
  // Activating the window again moves it nowhere else.
  fpr().widget()->activateWindow();
  processEvents();
  EXPECT_EQ(application().focusedControl(), fpr().Canvas4);
}

// ---- Closing the main window quits ----

class MainWindowCloseTest : public AppFixture {};

TEST_F(MainWindowCloseTest, ClosingTheMainWindowQuits) {
  start();
  ASSERT_FALSE(application().quitRequested());
  fpr().close();
  EXPECT_TRUE(application().quitRequested());
  EXPECT_EQ(application().exitCode(), 0);
}

TEST_F(MainWindowCloseTest, TheCloseBoxQuitsAlsoWhileOtherWindowsAreOpen) {
  start();
  application().instance<fband>().show();
  application().instance<fouimais>().show();
  processEvents();
  ASSERT_TRUE(application().liveInstance<fband>()->visible());
  fpr().widget()->close();  // the close box
  processEvents();
  EXPECT_TRUE(application().quitRequested());
  EXPECT_EQ(application().exitCode(), 0);
}

// The real event loop: run() returns once the main window is closed, also with the tape open.
class MainWindowRunTest : public AppFixture {};

TEST_F(MainWindowRunTest, TheEventLoopEndsWhenTheMainWindowCloses) {
  bool closedByTest = false;
  QObject context;
  QTimer::singleShot(0, &context, [&] {
    application().instance<fband>().show();
    QTimer::singleShot(0, &context, [&] {
      closedByTest = true;
      fpr().widget()->close();
    });
  });
  // A loop that does not end is caught by the test's timeout.
  const int code = run();
  EXPECT_TRUE(closedByTest);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(application().quitRequested());
}

}  // namespace
