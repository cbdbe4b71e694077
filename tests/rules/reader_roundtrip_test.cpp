// Every integer written by the standard rules of Chinese numerals reads back as its value,
// upright, in every character table.

#include <QStringList>
#include <memory>
#include <random>

#include "rules/rules_fixture.h"

namespace {

// Standard writing: groups of four digits closed by 亿 and 万, 零 for every gap, 一十 shortened
// to 十 only at the start of the number.
class StandardWriter {
 public:
  explicit StandardWriter(const TableCharacters& t) : t_(t) {}

  QString write(long long n) const {
    if (n == 0) return t_.digit[0];
    const int groups[3] = {static_cast<int>(n / 100000000), static_cast<int>(n / 10000 % 10000),
                           static_cast<int>(n % 10000)};
    const QString separators[3] = {t_.yi, t_.wan, QString()};
    QString text;
    bool started = false;
    bool gap = false;
    for (int i = 0; i < 3; ++i) {
      if (groups[i] == 0) {
        gap = started;
        continue;
      }
      if (started && (gap || groups[i] < 1000)) text += t_.digit[0];
      text += group(groups[i]) + separators[i];
      started = true;
      gap = false;
    }
    if (text.startsWith(t_.digit[1] + t_.ten)) text.remove(0, 1);
    return text;
  }

 private:
  QString group(int g) const {
    const QString powers[4] = {t_.thousand, t_.hundred, t_.ten, QString()};
    const int digits[4] = {g / 1000, g / 100 % 10, g / 10 % 10, g % 10};
    QString text;
    bool zero = false;
    for (int i = 0; i < 4; ++i) {
      if (digits[i] == 0) {
        zero = !text.isEmpty();
        continue;
      }
      if (zero) text += t_.digit[0];
      text += t_.digit[digits[i]] + powers[i];
      zero = false;
    }
    return text;
  }

  const TableCharacters& t_;
};

class RoundTrip : public RulesFixture, public ::testing::WithParamInterface<CharacterTable> {
 protected:
  void SetUp() override {
    utiliserTable(GetParam());
    standard_ = std::make_unique<StandardWriter>(charactersOf(GetParam()));
  }

  // The texts of a value: the standard one, and the application writer's when it differs.
  QStringList textsOf(long long n) {
    QStringList texts{standard_->write(n)};
    const QString written = calc.arabechinois.tradenchinoisdevaleur(static_cast<double>(n));
    if (written != texts.front()) texts << written;
    return texts;
  }

  // Read as the converter reads its Chinese field: the value and its italics in the Arabic
  // field, with the echo's state judging points and separators.
  void checkInConverter(long long n) {
    for (const QString& text : textsOf(n)) {
      lireAuConvertisseur(text, -1);
      if (vue.arabe() != QString::number(n) || vue.arabeItalique()) {
        ADD_FAILURE() << text.toStdString() << " reads " << vue.arabe().toStdString()
                      << (vue.arabeItalique() ? " in italics" : "") << ", not " << n;
        ++failures_;
      }
    }
  }

  // Read with the routing at the Arabic field, where the reader judges a text and writes it
  // nowhere: the rules alone. Below 亿 a standard text never meets an italic echo, so no rule
  // that asks for the echo could refuse it either.
  void checkByTheRules(long long n) {
    for (const QString& text : textsOf(n)) {
      ChinoisArabe& r = calc.chinoisarabe;
      calc.position = 3;
      r.fouimaisdemandee = -1;
      r.initialisernombre();
      r.textaarabiser = text;
      r.arabisertexte();
      if (r.tradenarabe != QString::number(n) || r.longeur != text.size()) {
        ADD_FAILURE() << text.toStdString() << " reads " << r.tradenarabe.toStdString() << " with "
                      << text.size() - r.longeur << " characters refused, not " << n;
        ++failures_;
      }
    }
  }

  std::unique_ptr<StandardWriter> standard_;
  int failures_ = 0;
};

TEST_P(RoundTrip, WriterTextsOfKnownValues) {
  const struct {
    long long value;
    const char* text;
  } known[] = {
      {10, "十"},
      {110, "一百一十"},
      {10010, "一万零一十"},
      {100000, "十万"},
      {100050000, "一亿零五万"},
      {100001000, "一亿零一千"},
      {110050000, "一亿一千零五万"},
      {1000000000, "十亿"},
      {999999999999, "九千九百九十九亿九千九百九十九万九千九百九十九"},
  };
  for (const auto& k : known) {
    ASSERT_EQ(standard_->write(k.value), inTable(GetParam(), QString::fromUtf8(k.text)));
    checkInConverter(k.value);
  }
}

TEST_P(RoundTrip, EveryValueToOneHundredThousand) {
  for (long long n = 0; n <= 100000 && failures_ < 20; ++n) checkByTheRules(n);
}

TEST_P(RoundTrip, SampledValuesToTheLargest) {
  std::mt19937_64 random(20240607);
  std::uniform_int_distribution<long long> anywhere(1, 999999999999LL);
  std::uniform_int_distribution<int> digits(1, 12);
  for (int i = 0; i < 4000 && failures_ < 20; ++i) {
    // Uniform over the range, and over the number of digits, so that short groups come often.
    checkInConverter(anywhere(random));
    long long limit = 1;
    for (int d = digits(random); d > 0; --d) limit *= 10;
    checkInConverter(std::uniform_int_distribution<long long>(1, limit - 1)(random));
    // Few non-zero digits: the gaps that 零 marks, within a group and between groups.
    long long sparse = 0;
    for (long long place = 1; place <= 100000000000LL; place *= 10) {
      if (random() % 4 == 0) sparse += place * static_cast<long long>(1 + random() % 9);
    }
    if (sparse > 0) checkInConverter(sparse);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTables, RoundTrip, ::testing::ValuesIn(kAllTables),
                         [](const auto& info) { return std::string(tableName(info.param)); });

}  // namespace
