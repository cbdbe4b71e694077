// What the writer writes, the reader reads back: the same value, upright, with no note about
// characters of another table, in all four tables.

#include <random>

#include "rules/rules_fixture.h"

namespace {

class WriterRoundTripTest : public RulesFixture, public ::testing::WithParamInterface<CharacterTable> {
 protected:
  void SetUp() override { utiliserTable(GetParam()); }

  // Writes the value as the calculator does, reads the text back as the converter does, and
  // reports a value that does not come back as its own Arabic text.
  void roundTrip(double value) {
    calc.position = 1;
    ArabeChinois& writer = calc.arabechinois;
    const QString chinese = writer.tradenchinoisdevaleur(value);
    const QString arabic = writer.tradenarabedevaleur(value);

    lireAuConvertisseur(chinese, 0);
    const bool upright = !vue.arabeItalique();
    const bool noNote = calc.chinoisarabe.fouimaisdemandee == 0 && vue.notes == 0;
    if (vue.arabe() != arabic || !upright || !noNote) {
      ADD_FAILURE() << arabic.toStdString() << " is written " << chinese.toStdString() << " and read back as "
                    << vue.arabe().toStdString() << (upright ? "" : " in italics") << (noNote ? "" : " with the note");
      ++failures_;
    }
  }

  // Stops a broken round trip from flooding the log.
  bool tooManyFailures() const { return failures_ >= 20; }

  int failures_ = 0;
};

TEST_P(WriterRoundTripTest, EveryIntegerToOneHundredThousand) {
  for (int n = 0; n <= 100000 && !tooManyFailures(); ++n) roundTrip(n);
}

TEST_P(WriterRoundTripTest, IntegersSampledOverTheWholeRange) {
  std::mt19937_64 random(0x5eed2110);
  std::uniform_int_distribution<long long> anywhere(-999999999999LL, 999999999999LL);
  std::uniform_int_distribution<int> digitCount(1, 12);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int i = 0; i < 3000 && !tooManyFailures(); ++i) {
    roundTrip(static_cast<double>(anywhere(random)));
    // As many short numbers as long ones, and many zeros, where the 零 and the separators go.
    long long n = 0;
    for (int d = digitCount(random); d > 0; --d) n = n * 10 + (digit(random) < 6 ? 0 : digit(random));
    roundTrip(static_cast<double>(n));
  }
}

TEST_P(WriterRoundTripTest, ValuesWithDecimals) {
  std::mt19937_64 random(0xdec1a1);
  std::uniform_int_distribution<long long> cents(-99999999999999LL, 99999999999999LL);
  for (int i = 0; i < 2000 && !tooManyFailures(); ++i) roundTrip(static_cast<double>(cents(random)) / 100.0);
  for (double value : {0.5, -0.5, 0.05, 1.0 / 3.0, 10.0 / 3.0, 2.05, 100000000.01}) roundTrip(value);
}

INSTANTIATE_TEST_SUITE_P(AllTables, WriterRoundTripTest, ::testing::ValuesIn(kAllTables),
                         [](const auto& info) { return std::string(tableName(info.param)); });

}  // namespace
