// The four character tables: the 26 strings each fills and the 22 key captions it writes.

#include "support/app_fixture.h"

namespace {

// The strings in the order c1 … c9, c10, c100, c1000, c104, c108, cz, cn, cp, cmu, cad, cdiv,
// csous, ce, cplus, cmoins, cfois, cpar.
struct TableCase {
  const char* name;
  void (App::*apply)();
  const char* strings[26];
};

const QString App::*const fields[26] = {
    &App::c1,  &App::c2,   &App::c3,    &App::c4,   &App::c5,    &App::c6,     &App::c7,    &App::c8,   &App::c9,
    &App::c10, &App::c100, &App::c1000, &App::c104, &App::c108,  &App::cz,     &App::cn,    &App::cp,   &App::cmu,
    &App::cad, &App::cdiv, &App::csous, &App::ce,   &App::cplus, &App::cmoins, &App::cfois, &App::cpar,
};

const TableCase tables[] = {
    {"simpusuel", &App::simpusuel, {"一", "二", "三", "四",   "五", "六", "七",   "八",  "九",
                                    "十", "百", "千", "万",   "亿", "零", "负",   "点",  "乘",
                                    "加", "除", "减", "等于", "加", "减", "乘以", "除以"}},
    {"tradusuel", &App::tradusuel, {"一", "二", "三", "四",   "五", "六", "七",   "八",  "九",
                                    "十", "百", "千", "萬",   "億", "零", "負",   "點",  "乘",
                                    "加", "除", "減", "等于", "加", "減", "乘以", "除以"}},
    {"simpfinancier", &App::simpfinancier, {"壹", "贰", "叁", "肆",   "伍", "陆", "柒",   "捌",  "玖",
                                            "拾", "佰", "仟", "万",   "亿", "零", "负",   "点",  "乘",
                                            "加", "除", "减", "等于", "加", "减", "乘以", "除以"}},
    {"tradfinancier", &App::tradfinancier, {"壹", "貳", "參", "肆",   "伍", "陸", "柒",   "捌",  "玖",
                                            "拾", "佰", "仟", "萬",   "億", "零", "負",   "點",  "乘",
                                            "加", "除", "減", "等于", "加", "減", "乘以", "除以"}},
};

// The keys in the order of the strings above; the four operator texts are on no key.
const char* const keyOfString[22] = {"BB1", "BB2",  "BB3",   "BB4",    "BB5",    "BB6",   "BB7", "BB8",
                                     "BB9", "BB10", "BB100", "BB1000", "BB104",  "BB108", "BBz", "BBn",
                                     "BBp", "BBmu", "BBad",  "BBdiv",  "BBsous", "BBe"};

class CharacterTablesTest : public AppFixture {
 protected:
  QStringList keyCaptions() {
    QStringList captions;
    for (const char* key : keyOfString) captions << fpr().key(QString::fromLatin1(key))->caption();
    return captions;
  }
};

TEST_F(CharacterTablesTest, EachTableFillsItsStringsAndRelabelsTheKeys) {
  start();
  for (const TableCase& table : tables) {
    SCOPED_TRACE(table.name);
    (application().*table.apply)();
    for (int i = 0; i < 26; ++i) {
      EXPECT_EQ(application().*fields[i], QString::fromUtf8(table.strings[i])) << "string " << i;
    }
    for (int i = 0; i < 22; ++i) {
      platform::BevelButton* key = fpr().key(QString::fromLatin1(keyOfString[i]));
      EXPECT_EQ(key->caption(), QString::fromUtf8(table.strings[i])) << keyOfString[i];
      // The caption is what assistive technology reads after the key's meaning.
      EXPECT_EQ(key->widget()->accessibleDescription(), key->caption()) << keyOfString[i];
    }
  }
}

TEST_F(CharacterTablesTest, TheTraditionalFinancialKeysReadAsOneRow) {
  start();
  application().tradfinancier();
  QStringList row;
  for (const char* key :
       {"BBz",   "BB1",    "BB2",   "BB3",   "BB4", "BB5", "BB6",  "BB7",  "BB8",   "BB9",    "BB10",
        "BB100", "BB1000", "BB104", "BB108", "BBn", "BBp", "BBmu", "BBad", "BBdiv", "BBsous", "BBe"}) {
    row << fpr().key(QString::fromLatin1(key))->caption();
  }
  EXPECT_EQ(row.join(QLatin1Char(' ')),
            QStringLiteral("零 壹 貳 參 肆 伍 陸 柒 捌 玖 拾 佰 仟 萬 億 負 點 乘 加 除 減 等于"));
}

TEST_F(CharacterTablesTest, SimplifiedToTraditionalUsualChangesFiveKeysOnly) {
  start();
  application().simpusuel();
  const QStringList before = keyCaptions();
  application().tradusuel();
  const QStringList after = keyCaptions();
  QStringList changed;
  for (int i = 0; i < 22; ++i) {
    if (before[i] != after[i]) changed << QString::fromLatin1(keyOfString[i]);
  }
  EXPECT_EQ(changed, QStringList({"BB104", "BB108", "BBn", "BBp", "BBsous"}));
}

TEST_F(CharacterTablesTest, ApplyingATableChangesOnlyTheStringsAndTheKeys) {
  start();
  pressKeys({"BB3", "BB10"});
  const QString display = displayText();
  const QString echo = echoText();
  ASSERT_FALSE(display.isEmpty());
  const int position = application().position;
  const double value = application().n0valeur;
  const QString deleteKeys = fpr().BevelButton1->caption() + fpr().BevelButton2->caption();
  for (const TableCase& table : tables) {
    SCOPED_TRACE(table.name);
    (application().*table.apply)();
    EXPECT_EQ(displayText(), display);
    EXPECT_EQ(echoText(), echo);
    EXPECT_EQ(application().position, position);
    EXPECT_EQ(application().n0valeur, value);
    EXPECT_EQ(fpr().BevelButton1->caption() + fpr().BevelButton2->caption(), deleteKeys);
  }
}

TEST_F(CharacterTablesTest, ApplyingTheSameTableTwiceChangesNothingMore) {
  start();
  for (const TableCase& table : tables) {
    SCOPED_TRACE(table.name);
    (application().*table.apply)();
    const QStringList once = keyCaptions();
    QStringList strings;
    for (const QString App::*field : fields) strings << application().*field;
    (application().*table.apply)();
    EXPECT_EQ(keyCaptions(), once);
    QStringList again;
    for (const QString App::*field : fields) again << application().*field;
    EXPECT_EQ(again, strings);
  }
}

}  // namespace
