#include "numerals/writer_fixture.h"

#include <array>
#include <utility>

void WriterFixture::useTable(CharacterTable table) { applyTable(application(), table); }

void WriterFixture::writeArabic(const QString& text) {
  if (application().position != 3) click(QStringLiteral("EFcr"));
  fpr().EFcr->setText(text);
}

QString WriterFixture::inCurrentTable(const QString& simplifiedUsual) {
  App& a = application();
  const std::array<std::pair<char16_t, const QString*>, 17> characters = {{
      {u'一', &a.c1},
      {u'二', &a.c2},
      {u'三', &a.c3},
      {u'四', &a.c4},
      {u'五', &a.c5},
      {u'六', &a.c6},
      {u'七', &a.c7},
      {u'八', &a.c8},
      {u'九', &a.c9},
      {u'十', &a.c10},
      {u'百', &a.c100},
      {u'千', &a.c1000},
      {u'万', &a.c104},
      {u'亿', &a.c108},
      {u'零', &a.cz},
      {u'负', &a.cn},
      {u'点', &a.cp},
  }};
  QString out;
  for (QChar c : simplifiedUsual) {
    const QString* replacement = nullptr;
    for (const auto& [from, to] : characters) {
      if (c.unicode() == from) replacement = to;
    }
    if (replacement) {
      out += *replacement;
    } else {
      out += c;
    }
  }
  return out;
}
