#include "support/character_tables.h"

#include <QHash>

const char* tableName(CharacterTable table) {
  switch (table) {
    case CharacterTable::SimplifiedUsual:
      return "SimplifiedUsual";
    case CharacterTable::TraditionalUsual:
      return "TraditionalUsual";
    case CharacterTable::SimplifiedFinancial:
      return "SimplifiedFinancial";
    case CharacterTable::TraditionalFinancial:
      return "TraditionalFinancial";
  }
  return "";
}

bool isSimplified(CharacterTable table) {
  return table == CharacterTable::SimplifiedUsual || table == CharacterTable::SimplifiedFinancial;
}

bool isUsual(CharacterTable table) {
  return table == CharacterTable::SimplifiedUsual || table == CharacterTable::TraditionalUsual;
}

namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

TableCharacters make(const char* digits, const char* powers, const char* minus, const char* point) {
  TableCharacters t;
  const QString d = s(digits);
  for (int i = 0; i < 10; ++i) t.digit[i] = d.mid(i, 1);
  const QString p = s(powers);
  t.ten = p.mid(0, 1);
  t.hundred = p.mid(1, 1);
  t.thousand = p.mid(2, 1);
  t.wan = p.mid(3, 1);
  t.yi = p.mid(4, 1);
  t.minus = s(minus);
  t.point = s(point);
  return t;
}

}  // namespace

const TableCharacters& charactersOf(CharacterTable table) {
  static const TableCharacters simplifiedUsual = make("零一二三四五六七八九", "十百千万亿", "负", "点");
  static const TableCharacters traditionalUsual = make("零一二三四五六七八九", "十百千萬億", "負", "點");
  static const TableCharacters simplifiedFinancial = make("零壹贰叁肆伍陆柒捌玖", "拾佰仟万亿", "负", "点");
  static const TableCharacters traditionalFinancial = make("零壹貳參肆伍陸柒捌玖", "拾佰仟萬億", "負", "點");
  switch (table) {
    case CharacterTable::SimplifiedUsual:
      return simplifiedUsual;
    case CharacterTable::TraditionalUsual:
      return traditionalUsual;
    case CharacterTable::SimplifiedFinancial:
      return simplifiedFinancial;
    case CharacterTable::TraditionalFinancial:
      return traditionalFinancial;
  }
  return simplifiedUsual;
}

QString inTable(CharacterTable table, const QString& simplifiedUsual) {
  const TableCharacters& from = charactersOf(CharacterTable::SimplifiedUsual);
  const TableCharacters& to = charactersOf(table);
  QHash<QString, QString> map;
  for (int i = 0; i < 10; ++i) map.insert(from.digit[i], to.digit[i]);
  map.insert(from.ten, to.ten);
  map.insert(from.hundred, to.hundred);
  map.insert(from.thousand, to.thousand);
  map.insert(from.wan, to.wan);
  map.insert(from.yi, to.yi);
  map.insert(from.minus, to.minus);
  map.insert(from.point, to.point);
  QString out;
  for (const QChar c : simplifiedUsual) out += map.value(QString(c), QString(c));
  return out;
}
