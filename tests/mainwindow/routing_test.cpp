// The keypad handed back and forth between the display and the converter fields: folding the
// converter gives the display its own number back, and a field reached by Tab takes the
// keypad and the conversion as a click does.

#include <QApplication>
#include <QTest>
#include <functional>
#include <vector>

#include "mainwindow/keys_support.h"
#include "strings/langues.h"

namespace {

class RoutingTest : public KeysFixture {
 protected:
  // Tab, or Shift+Tab, into whatever has the keyboard focus.
  void tab(bool backwards = false) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << "nothing has the focus to Tab from";
    QTest::keyClick(focused, backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    processEvents();
  }
};

TEST_F(RoutingTest, FoldingGivesTheDisplayItsOwnNumberBack) {
  start();  // the texts of the message boxes are looked up in the running application
  struct Case {
    const char* name;
    const char16_t* before;     // keys on the display before the converter unfolds
    const char16_t* inField;    // keys pressed into the Chinese field
    bool foldByMenu;            // the Window menu's item rather than the triangle
    const char16_t* afterFold;  // keys pressed once the converter is folded
    Shown expected;
  };
  const std::vector<Case> cases = {
      {"a field's number is not carried onto the display",
       u"",
       u"一百",
       false,
       u"五加二=",
       {u"七", u"7", u"一百", u"100", {}, u"五|加|二|等于|七|||", u"七     7|"}},
      {"the display's number is kept, and goes on as a click on it would",
       u"十二",
       u"",
       false,
       u"三加三=",
       {u"十五", u"15", u"", u"", {langues::lxecritureincorrecte()}, u"十二|加|三|等于|十五|||", u"十五     15|"}},
      {"an operator chosen, the second operand entered",
       u"十二加三",
       u"一百",
       true,
       u"十=",
       {u"四十二", u"42", u"一百", u"100", {}, u"十二|加|三十|等于|四十二|||", u"四十二     42|"}},
      {"a shown result stays a shown result",
       u"十二加三=",
       u"一百",
       true,
       u"加二=",
       {u"十七", u"17", u"一百", u"100", {}, u"十二|加|三|等于|十五|加|二|等于|十七|||", u"十七     17|"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    enter(QString::fromUtf16(c.before));
    const QString displayed = displayText();
    press(QStringLiteral("DisclosureTriangle1"));
    click(QStringLiteral("EFca"));
    enter(QString::fromUtf16(c.inField));
    if (c.foldByMenu) {
      chooseMenu(QStringLiteral("FenetreConvertisseur"));
    } else {
      press(QStringLiteral("DisclosureTriangle1"));
    }
    ASSERT_FALSE(fpr().DisclosureTriangle1->value());
    EXPECT_EQ(application().position, 1);
    EXPECT_EQ(displayText(), displayed);
    enter(QString::fromUtf16(c.afterFold));
    expectShown(c.expected);
  }
}

TEST_F(RoutingTest, AFieldReachedByTabTakesTheKeypadAndConverts) {
  struct Case {
    const char* name;
    const char* from;
    const char16_t* typedFirst;  // typed into the field clicked first
    bool backwards;
    const char* to;
    int position;
    const char16_t* typedThen;  // typed into the field reached by Tab, over its whole text
    const char16_t* chinese;
    const char16_t* arabic;
    const char* key;  // a keypad key pressed after that, into the same field
    const char16_t* chineseAfterKey;
    const char16_t* arabicAfterKey;
  };
  const std::vector<Case> cases = {
      // The keypad's Chinese character in the Arabic field is a bad character there.
      {"Tab from the Chinese field", "EFca", u"七", false, "EFcr", 3, u"35", u"三十五", u"35", "BBz", u"???????",
       u"35零"},
      {"Shift+Tab from the Arabic field", "EFcr", u"35", true, "EFca", 2, u"七", u"七", u"7", "BB10", u"七十", u"70"},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    press(QStringLiteral("DisclosureTriangle1"));
    const Shown unfolded = shown();
    typeInto(QString::fromLatin1(c.from), QString::fromUtf16(c.typedFirst));
    tab(c.backwards);
    const QString to = QString::fromLatin1(c.to);
    ASSERT_TRUE(field(to).hasFocus());
    EXPECT_EQ(application().position, c.position);
    keyInto(to, Qt::Key_A, Qt::ControlModifier);
    type(QString::fromUtf16(c.typedThen), to);
    Shown expected = unfolded;
    expected.chinese = QString::fromUtf16(c.chinese);
    expected.arabic = QString::fromUtf16(c.arabic);
    expectShown(expected);

    press(QString::fromLatin1(c.key));
    expected.chinese = QString::fromUtf16(c.chineseAfterKey);
    expected.arabic = QString::fromUtf16(c.arabicAfterKey);
    expectShown(expected);
    EXPECT_TRUE(field(to).hasFocus());
  }
}

}  // namespace
