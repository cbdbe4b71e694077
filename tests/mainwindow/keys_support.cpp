#include "mainwindow/keys_support.h"

#include <QTest>
#include <map>


namespace {

const std::map<QChar, const char*>& keyOfCaption() {
  static const std::map<QChar, const char*> keys = {
      {QChar(u'零'), "BBz"},    {QChar(u'一'), "BB1"},   {QChar(u'二'), "BB2"},         {QChar(u'三'), "BB3"},
      {QChar(u'四'), "BB4"},    {QChar(u'五'), "BB5"},   {QChar(u'六'), "BB6"},         {QChar(u'七'), "BB7"},
      {QChar(u'八'), "BB8"},    {QChar(u'九'), "BB9"},   {QChar(u'十'), "BB10"},        {QChar(u'百'), "BB100"},
      {QChar(u'千'), "BB1000"}, {QChar(u'万'), "BB104"}, {QChar(u'亿'), "BB108"},       {QChar(u'负'), "BBn"},
      {QChar(u'点'), "BBp"},    {QChar(u'加'), "BBad"},  {QChar(u'减'), "BBsous"},      {QChar(u'乘'), "BBmu"},
      {QChar(u'除'), "BBdiv"},  {QChar(u'='), "BBe"},    {QChar(u'◁'), "BevelButton1"}, {QChar(u'C'), "BevelButton2"},
  };
  return keys;
}

QString withBars(QString text) { return text.replace(QChar(12), QLatin1Char('|')); }

}  // namespace

void KeysFixture::enter(const QString& keys) {
  for (QChar ch : keys) {
    auto it = keyOfCaption().find(ch);
    ASSERT_NE(it, keyOfCaption().end()) << "no key for " << QString(ch).toStdString();
    press(QString::fromLatin1(it->second));
  }
}

QString KeysFixture::tape() { return withBars(a().ecriresurbande.textebande); }

QString KeysFixture::finishedTape() { return withBars(a().ecriresurbande.textebandedefinitif); }

QString KeysFixture::historySteps() {
  const Historique& history = a().historique;
  QString steps;
  for (int k = 0; k < history.jj && k < history.tligne.size(); ++k) steps += history.tligne[k] + QLatin1Char('|');
  return steps;
}

// What the hidden history window holds.
QString KeysFixture::historyText() { return withBars(a().historique.textew1); }

KeysFixture::Shown KeysFixture::shown() {
  return {displayText(), echoText(), chineseField(), arabicField(), services().messages, tape(), historyText()};
}

void KeysFixture::expectShown(const Shown& expected) {
  const Shown now = shown();
  EXPECT_EQ(now.display, expected.display) << "display";
  EXPECT_EQ(now.echo, expected.echo) << "Arabic echo";
  EXPECT_EQ(now.chinese, expected.chinese) << "Chinese field";
  EXPECT_EQ(now.arabic, expected.arabic) << "Arabic field";
  EXPECT_EQ(now.messages, expected.messages) << "message boxes";
  EXPECT_EQ(now.tape, expected.tape) << "tape";
  EXPECT_EQ(now.history, expected.history) << "history";
}

void KeysFixture::typeInto(const QString& name, const QString& text) {
  click(name);
  type(text, name);
}

void KeysFixture::keyInto(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(field(name).widget(), key, modifiers);
  processEvents();
}

void KeysFixture::focusWithoutClick(const QString& name) {
  field(name).setFocus();
  processEvents();
}

platform::EditField& KeysFixture::field(const QString& name) { return *control<platform::EditField>(name); }
