// The floating note that a converter text was read with characters of another table.

#include "numerals/fouimais.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/Menu.h"
#include "numerals/reader_fixture.h"
#include "strings/langues.h"

namespace {

class MismatchNoteTest : public ReaderFixture {
 protected:
  fouimais* note() { return application().liveInstance<fouimais>(); }
  QString sentence() { return note() ? note()->StaticText1->text() : QString(); }
};

TEST_F(MismatchNoteTest, IsASmallFloatingWindowCreatedHidden) {
  startWith(CharacterTable::SimplifiedUsual);
  fouimais& n = fouimais::get();
  EXPECT_FALSE(n.visible());
  EXPECT_EQ(n.title(), QString());
  EXPECT_EQ(n.width(), 349);
  EXPECT_EQ(n.height(), 102);
  EXPECT_EQ(n.frame(), platform::Frame::Floating);
  EXPECT_FALSE(n.resizable());
  platform::StaticText* label = n.StaticText1;
  EXPECT_EQ(label->left(), 0);
  EXPECT_EQ(label->top(), 39);
  EXPECT_EQ(label->width(), 349);
  EXPECT_EQ(label->height(), 31);
  EXPECT_EQ(label->textAlign(), platform::TextAlign::Center);
  EXPECT_TRUE(label->multiline());
  EXPECT_EQ(label->textFont(), QStringLiteral("System"));
  EXPECT_EQ(label->textSize(), 0);
  EXPECT_FALSE(label->bold());
  EXPECT_FALSE(label->italic());
  EXPECT_EQ(label->textColor(), platform::Color(0x000000));
}

// The sentence names the table and notation in force, in the manner of the UI language.
TEST_F(MismatchNoteTest, NamesTheTableInForceInTheUiLanguage) {
  const struct {
    const char* language;
    CharacterTable table;
    const char* text;  // a numeral with a character of another table
    const char* sentence;
  } cases[] = {
      {"en", CharacterTable::SimplifiedUsual, "壹",
       "Yes, but some characters do not match \"Simplified chinese Usual characters\"."},
      {"en", CharacterTable::TraditionalFinancial, "一",
       "Yes, but some characters do not match \"Traditional chinese Financial characters\"."},
      {"fr", CharacterTable::SimplifiedFinancial, "一",
       "Oui, mais certains caractères ne sont pas du jeu \"Chinois simplifié Caractères financiers\"."},
      {"zh-CN", CharacterTable::SimplifiedUsual, "壹", "可以换算，但有些字符不是简体中文小写数字的。"},
      {"zh-TW", CharacterTable::TraditionalUsual, "壹", "可以換算，但有些字元不是繁體中文小寫數字的。"},
      {"zh-TW", CharacterTable::SimplifiedFinancial, "一", "可以換算，但有些字元不是簡體中文大寫數字的。"},
      // A language without a table of ours reads the English one.
      {"de", CharacterTable::SimplifiedUsual, "壹",
       "Yes, but some characters do not match \"Simplified chinese Usual characters\"."},
      // No table at all: the three texts run together.
      {"", CharacterTable::TraditionalFinancial, "一",
       "Yes, but some characters do not matchTraditional chineseFinancial characters"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + tableName(c.table));
    if (!*c.language) withoutTables();
    startWith(c.table, QString::fromLatin1(c.language));
    convert(QString::fromUtf8(c.text));
    ASSERT_TRUE(noteShown());
    EXPECT_EQ(sentence(), QString::fromUtf8(c.sentence));
  }
}

// The note opens beside the main window, over none of its keys or fields, each time it is
// shown: also after the main window has moved.
TEST_F(MismatchNoteTest, OpensBesideTheMainWindowCoveringNoneOfItsControls) {
  startWith(CharacterTable::SimplifiedUsual);
  for (const QPoint& mainAt : {QPoint(0, 0), QPoint(120, 60)}) {
    fpr().widget()->move(mainAt);
    convert(QStringLiteral("三"));
    ASSERT_FALSE(noteShown());
    convert(QStringLiteral("壹"));
    ASSERT_TRUE(noteShown());
    const QRect placed = note()->widget()->frameGeometry();
    EXPECT_FALSE(placed.intersects(fpr().widget()->frameGeometry())) << mainAt.x();
    for (const auto& control : fpr().controls()) {
      QWidget* w = control->widget();
      if (!w || !w->isVisible()) continue;
      // The part of the control that the window shows (a rule may reach beyond its edge).
      const QRect shown = w->visibleRegion().boundingRect();
      const QRect onScreen(w->mapToGlobal(shown.topLeft()), shown.size());
      EXPECT_FALSE(placed.intersects(onScreen)) << control->name().toStdString() << " under the note";
    }
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(placed));
  }
}

TEST_F(MismatchNoteTest, NamesNoTableWhenNoneIsMarked) {
  startWith(CharacterTable::SimplifiedUsual);
  for (platform::MenuItem* item :
       {caracteresChinoissimplifié(), caracteresChinoissimplifié1(), caracteresChinoistraditionnel(),
        caracteresnotationsusuelle(), caracteresnotationfinanciere()}) {
    item->setChecked(false);
  }
  convert(QStringLiteral("壹"));
  EXPECT_EQ(sentence(), QStringLiteral("Yes, but some characters do not match \" \"."));
}

TEST_F(MismatchNoteTest, NamesANotationChosenSinceTheLastShowing) {
  startWith(CharacterTable::SimplifiedUsual);
  convert(QStringLiteral("壹"));
  ASSERT_TRUE(noteShown());
  ASSERT_TRUE(sentence().contains(caracteresnotationsusuelle()->text()));
  chooseMenu(QStringLiteral("caracteresnotationfinanciere"));
  chooseMenu(QStringLiteral("caracteresChinoistraditionnel"));
  // 一 is now of another table too; the note shows again, activated anew.
  convert(QStringLiteral("一"));
  ASSERT_TRUE(noteShown());
  EXPECT_TRUE(sentence().contains(caracteresnotationfinanciere()->text()));
  EXPECT_TRUE(sentence().contains(caracteresChinoistraditionnel()->text()));
  EXPECT_FALSE(sentence().contains(caracteresnotationsusuelle()->text()));
}

TEST_F(MismatchNoteTest, PrefersTheTraditionalAndFinancialMarksWhenBothAreSet) {
  startWith(CharacterTable::SimplifiedUsual);
  caracteresChinoistraditionnel()->setChecked(true);
  caracteresnotationfinanciere()->setChecked(true);
  convert(QStringLiteral("壹"));
  EXPECT_EQ(sentence(), langues::lfouimais1() + QStringLiteral(" \"") + caracteresChinoistraditionnel()->text() +
                            QLatin1Char(' ') + caracteresnotationfinanciere()->text() + QStringLiteral("\"."));
}

TEST_F(MismatchNoteTest, ComesBackAfterTheUserClosedIt) {
  startWith(CharacterTable::SimplifiedUsual);
  convert(QStringLiteral("壹"));
  ASSERT_TRUE(noteShown());
  note()->close();
  processEvents();
  convert(QStringLiteral("一"));
  EXPECT_FALSE(noteShown());
  convert(QStringLiteral("贰"));
  EXPECT_TRUE(noteShown());
  EXPECT_EQ(arabicField(), QStringLiteral("2"));
}

TEST_F(MismatchNoteTest, StaysHiddenForARefusedText) {
  startWith(CharacterTable::SimplifiedUsual);
  convert(QStringLiteral("壹壹"));
  EXPECT_EQ(arabicField(), QStringLiteral("????????"));
  EXPECT_FALSE(noteShown());
  convert(QStringLiteral("壹x"));
  EXPECT_FALSE(noteShown());
}

// The note comes up while the user types: the keyboard stays in the Chinese field.
TEST_F(MismatchNoteTest, ShowingTheNoteLeavesTheKeyboardInTheChineseField) {
  startWith(CharacterTable::SimplifiedUsual);
  click(QStringLiteral("EFca"));
  type(QStringLiteral("壹"));
  ASSERT_TRUE(noteShown());
  type(QStringLiteral("佰"));
  EXPECT_EQ(chineseField(), QStringLiteral("壹佰"));
  EXPECT_EQ(arabicField(), QStringLiteral("100"));
  EXPECT_EQ(QApplication::focusWidget(), fpr().EFca->widget());
}

}  // namespace
