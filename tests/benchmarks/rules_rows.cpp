#include "benchmarks/rules_rows.h"

#include <cstdio>

#include "benchmarks/allocation_count.h"
#include "benchmarks/numeral_rules.h"

namespace {

constexpr double kValue = 987654321012;
const QString kChinese = QStringLiteral("九千八百七十六亿五千四百三十二万一千零一十二");
const QString kArabic = QStringLiteral("987654321012");
constexpr int kBatch = 1000;

// Per number over a batch: microseconds, or allocations.
template <class F>
double perNumber(F&& convert) {
  return microseconds([&] {
           for (int i = 0; i < kBatch; ++i) convert();
         }) /
         kBatch;
}

template <class F>
double allocationsPerNumber(F&& convert) {
  const long long before = allocationCount();
  for (int i = 0; i < kBatch; ++i) convert();
  return static_cast<double>(allocationCount() - before) / kBatch;
}

}  // namespace

std::vector<Row> rulesRows(int samples) {
  NumeralRules rules;
  if (rules.write(kValue) != kChinese || rules.read(kChinese) != kArabic) {
    std::fprintf(stderr, "the rules gave another numeral than the benchmark expects\n");
  }
  const auto write = [&] { return rules.write(kValue); };
  const auto read = [&] { return rules.read(kChinese); };
  const auto qtWrite = [] { return QString::number(kValue, 'f', 0); };
  const auto qtRead = [] { return kArabic.toDouble(); };
  const QString qtWriteName = QStringLiteral("QString::number of the value");
  const QString qtReadName = QStringLiteral("QString::toDouble of its Arabic text");
  return {
      takeTurns(
          QStringLiteral("rules alone: write a 12-digit number"), qtWriteName, QStringLiteral("us"), samples,
          [&] { return perNumber(write); }, [&] { return perNumber(qtWrite); }),
      takeTurns(
          QStringLiteral("rules alone: read a 12-digit number"), qtReadName, QStringLiteral("us"), samples,
          [&] { return perNumber(read); }, [&] { return perNumber(qtRead); }),
      takeTurns(
          QStringLiteral("rules alone: write, allocations"), qtWriteName, QStringLiteral("#"), 3,
          [&] { return allocationsPerNumber(write); }, [&] { return allocationsPerNumber(qtWrite); }),
      takeTurns(
          QStringLiteral("rules alone: read, allocations"), qtReadName, QStringLiteral("#"), 3,
          [&] { return allocationsPerNumber(read); }, [&] { return allocationsPerNumber(qtRead); }),
  };
}
