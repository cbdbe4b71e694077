// The keyboard stays where the user left it: a click on a button of any window never takes it
// from a field (Tab may still reach a button), Tab in the display leaves it in the display, and a
// keypad key pressed while an input method composes keeps both the key and the committed text.

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include "dialogs/Fbienvenueavec.h"
#include "support/app_fixture.h"

namespace {

class KeyboardFocusTest : public AppFixture {
 protected:
  static QWidget* focusWidget() { return QApplication::focusWidget(); }
  void startWithConverter() {
    start();
    press(QStringLiteral("DisclosureTriangle1"));
  }
};

struct DeleteKeyCase {
  const char* key;
  const char* field;
  const char* typed;
  const char* afterKey;
  const char* typedAfter;
};

TEST_F(KeyboardFocusTest, AClickOnADeleteKeyLeavesTheKeyboardInTheField) {
  const DeleteKeyCase cases[] = {
      {"BevelButton1", "EFcr", "123", "12", "45"},
      {"BevelButton1", "EFca", "三百二", "三百", "五十"},
      {"BevelButton2", "EFcr", "123", "", "45"},
      {"BevelButton2", "EFca", "三百", "", "五十"},
  };
  bool started = false;
  for (const DeleteKeyCase& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " in " + c.field);
    if (started) restart();
    started ? press(QStringLiteral("DisclosureTriangle1")) : startWithConverter();
    started = true;
    const QString field = QString::fromLatin1(c.field);
    click(field);
    type(QString::fromUtf8(c.typed));
    press(QString::fromLatin1(c.key));
    auto* edit = control<platform::EditField>(field);
    ASSERT_EQ(edit->text(), QString::fromUtf8(c.afterKey));
    EXPECT_EQ(focusWidget(), edit->widget());
    EXPECT_TRUE(edit->hasFocus());
    // Typed on without a click: the keys go on into the field.
    type(QString::fromUtf8(c.typedAfter));
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.afterKey) + QString::fromUtf8(c.typedAfter));
  }
}

TEST_F(KeyboardFocusTest, SpaceAfterAClickOnTheDeleteKeyPressesNothing) {
  startWithConverter();
  click(QStringLiteral("EFcr"));
  type(QStringLiteral("123"));
  press(QStringLiteral("BevelButton1"));
  QTest::keyClick(focusWidget(), Qt::Key_Space);
  processEvents();
  EXPECT_EQ(arabicField(), QStringLiteral("12")) << "the key is not pressed again; the field trims the blank";
  EXPECT_EQ(focusWidget(), fpr().EFcr->widget());
}

TEST_F(KeyboardFocusTest, ButtonsOfEveryWindowTakeNoFocusOnAClickButTabStillReachesThem) {
  startWithConverter();
  click(QStringLiteral("EFcr"));
  QWidget* field = focusWidget();
  ASSERT_EQ(field, fpr().EFcr->widget());
  // Every button, check box and radio button of the preferences: none takes the keyboard on a
  // click.
  chooseMenu(QStringLiteral("Preferences"));
  platform::Window* preferences = window(QStringLiteral("FPreferences"));
  ASSERT_NE(preferences, nullptr);
  int pressed = 0;
  for (const auto& c : preferences->controls()) {
    auto* button = qobject_cast<QAbstractButton*>(c->widget());
    if (!button || !c->widget()->isEnabled() || c->name() == QLatin1String("PBOK")) continue;
    press(c->name(), preferences->className());
    ++pressed;
    EXPECT_NE(focusWidget(), button) << c->name().toStdString();
    EXPECT_EQ(application().focusedControl(), fpr().EFcr) << c->name().toStdString();
  }
  EXPECT_GT(pressed, 0);
  // Tab reaches a button that accepts the keyboard.
  QTest::keyClick(preferences->widget(), Qt::Key_Tab);
  EXPECT_NE(qobject_cast<QAbstractButton*>(focusWidget()), nullptr);
}

TEST_F(KeyboardFocusTest, TheWelcomeWindowsBoxAndButtonsTakeNoFocusOnAClick) {
  setLanguage(QStringLiteral("fr"));
  onNextModal([&](platform::Window& w) {
    auto& welcome = static_cast<Fbienvenueavec&>(w);
    for (platform::Control* c : std::initializer_list<platform::Control*>{welcome.CheckBox1, welcome.PushButton1}) {
      press(c->name(), w.className());
      EXPECT_NE(focusWidget(), c->widget()) << c->name().toStdString();
    }
    EXPECT_TRUE(welcome.CheckBox1->value());
    w.close();
  });
  startWithoutPrefs();
}

TEST_F(KeyboardFocusTest, TabInTheDisplayLeavesTheKeyboardInTheDisplay) {
  start();
  press(QStringLiteral("BB1"));
  QWidget* display = fpr().Canvas4->widget();
  ASSERT_EQ(focusWidget(), display);
  for (bool unfolded : {false, true}) {
    SCOPED_TRACE(unfolded ? "converter unfolded" : "converter folded");
    if (unfolded) {
      press(QStringLiteral("DisclosureTriangle1"));
      press(QStringLiteral("BB2"));
      ASSERT_EQ(focusWidget(), display);
    }
    QTest::keyClick(display, Qt::Key_Tab);
    EXPECT_EQ(focusWidget(), display);
    QTest::keyClick(display, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusWidget(), display);
    type(QStringLiteral("5"));
    EXPECT_EQ(arabicField(), QString()) << "nothing lands unseen in a field";
    EXPECT_EQ(chineseField(), QString());
  }
}

struct CompositionCase {
  const char* committed;  // what the input method commits after the key ("" cancels)
  const char* field;
  const char* arabic;
};

TEST_F(KeyboardFocusTest, AKeypadKeyDuringACompositionKeepsTheKeyAndTheCommittedText) {
  const CompositionCase cases[] = {
      {"三百", "三百四", "340"},
      {"", "四", "4"},
  };
  bool started = false;
  for (const CompositionCase& c : cases) {
    SCOPED_TRACE(c.committed);
    if (started) restart();
    started ? press(QStringLiteral("DisclosureTriangle1")) : startWithConverter();
    started = true;
    click(QStringLiteral("EFca"));
    QWidget* field = fpr().EFca->widget();
    QInputMethodEvent preedit(QStringLiteral("sanbai"), {});
    QApplication::sendEvent(field, &preedit);
    press(QStringLiteral("BB4"));
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8(c.committed));
    QApplication::sendEvent(field, &commit);
    processEvents();
    EXPECT_EQ(chineseField(), QString::fromUtf8(c.field));
    EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
  }
}

}  // namespace
