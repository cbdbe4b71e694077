// The Chinese converter field, sized for two lines, shows two whole lines of a text longer than
// one: the writer's longest numeral, a long paste and a numeral typed on past its first line, in
// each character table and each interface language's font.

#include <QPlainTextEdit>
#include <QScrollBar>

#include "support/app_fixture.h"
#include "support/character_tables.h"
#include "support/field_lines.h"

namespace {

enum class Filling { WriterLongest, LongPaste, TypedPastALine };

const char* fillingName(Filling filling) {
  switch (filling) {
    case Filling::WriterLongest:
      return "the writer's longest numeral";
    case Filling::LongPaste:
      return "a long paste";
    case Filling::TypedPastALine:
      return "a numeral typed past its first line";
  }
  return "";
}

// 999999999999.99 in simplified usual characters, as the writer writes it.
const char16_t* const longestNumeral = u"九千九百九十九亿九千九百九十九万九千九百九十九点九九";

std::string describe(const QList<QRect>& lines) {
  std::string text;
  for (const QRect& line : lines) {
    text += " [" + std::to_string(line.top()) + ".." + std::to_string(line.bottom() + 1) + "]";
  }
  return text;
}

class ChineseFieldLinesTest : public AppFixture, public ::testing::WithParamInterface<const char*> {
 protected:
  void fill(Filling filling, CharacterTable table) {
    const QString numeral = inTable(table, QString::fromUtf16(longestNumeral));
    switch (filling) {
      case Filling::WriterLongest:
        click(QStringLiteral("EFcr"));
        type(QStringLiteral("999999999999.99"), QStringLiteral("EFcr"));
        ASSERT_EQ(chineseField(), numeral);
        return;
      case Filling::LongPaste:
        click(QStringLiteral("EFca"));
        paste(numeral + numeral + numeral);
        ASSERT_EQ(chineseField(), numeral + numeral + numeral);
        return;
      case Filling::TypedPastALine:
        click(QStringLiteral("EFca"));
        type(numeral, QStringLiteral("EFca"));
        ASSERT_EQ(chineseField(), numeral);
        return;
    }
  }
};

TEST_P(ChineseFieldLinesTest, ShowsTwoWholeLinesAndNoCutOne) {
  setLanguage(QString::fromLatin1(GetParam()));
  for (CharacterTable table : kAllTables) {
    for (Filling filling : {Filling::WriterLongest, Filling::LongPaste, Filling::TypedPastALine}) {
      SCOPED_TRACE(std::string(tableName(table)) + ", " + fillingName(filling));
      startInTable(table);
      press(QStringLiteral("DisclosureTriangle1"));
      fill(filling, table);
      auto* edit = qobject_cast<QPlainTextEdit*>(fpr().EFca->widget());
      ASSERT_NE(edit, nullptr);
      const FieldLines shown = fieldLines(*edit);
      ASSERT_GE(shown.lines.size(), 2) << "the text takes more than a line";
      EXPECT_EQ(shown.wholeLines(), 2) << "viewport " << shown.viewport.height() << " pixels high, lines "
                                       << describe(shown.lines) << " bar " << edit->verticalScrollBar()->value();
      EXPECT_EQ(shown.cutLines(), 0);
      // The two lines do not run into each other.
      for (qsizetype i = 1; i < shown.lines.size(); ++i) {
        EXPECT_LE(shown.lines[i - 1].bottom(), shown.lines[i].top()) << "line " << i;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, ChineseFieldLinesTest, ::testing::Values("en", "fr", "zh-CN", "zh-TW", "de"),
                         [](const auto& info) { return languageTestName(info.param); });

}  // namespace
