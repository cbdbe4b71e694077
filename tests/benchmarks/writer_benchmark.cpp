// The Chinese writer: a value of 12 integer digits and two decimals, and a pasted megabyte in
// the converter's Arabic field.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>

#include "support/app_fixture.h"

namespace {

// A started application, with the fixture's helpers at hand.
class WriterBenchmarkApp : public AppFixture {
 public:
  WriterBenchmarkApp() { start(); }
  void TestBody() override {}
  using AppFixture::application;
  using AppFixture::click;
  using AppFixture::fpr;
  using AppFixture::paste;
};

constexpr double kTwelveDigitsTwoDecimals = -987654321012.34;

// The calculator's writing of a result: its Arabic text, then its Chinese text.
void BM_WriteValueOfTwelveDigitsAndTwoDecimals(benchmark::State& state) {
  WriterBenchmarkApp app;
  ArabeChinois& writer = app.application().arabechinois;
  app.application().position = 1;
  for (auto _ : state) benchmark::DoNotOptimize(writer.tradenchinoisdevaleur(kTwelveDigitsTwoDecimals));
  if (writer.tradenchinois != QStringLiteral("负九千八百七十六亿五千四百三十二万一千零一十二点三四")) {
    state.SkipWithError("unexpected numeral");
  }
}
BENCHMARK(BM_WriteValueOfTwelveDigitsAndTwoDecimals)->Unit(benchmark::kMicrosecond);

void BM_ArabicTextOfTwelveDigitsAndTwoDecimals(benchmark::State& state) {
  WriterBenchmarkApp app;
  ArabeChinois& writer = app.application().arabechinois;
  for (auto _ : state) benchmark::DoNotOptimize(writer.tradenarabedevaleur(kTwelveDigitsTwoDecimals));
}
BENCHMARK(BM_ArabicTextOfTwelveDigitsAndTwoDecimals)->Unit(benchmark::kMicrosecond);

// The converter: a change of the Arabic field written into the Chinese field.
void BM_ConverterWritesTwelveDigitsAndTwoDecimals(benchmark::State& state) {
  WriterBenchmarkApp app;
  app.click(QStringLiteral("EFcr"));
  platform::EditField& field = *app.fpr().EFcr;
  const QString text = QStringLiteral("-987654321012.34");
  for (auto _ : state) {
    field.setText(text);
    state.PauseTiming();
    field.setText(QString());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ConverterWritesTwelveDigitsAndTwoDecimals)->Unit(benchmark::kMicrosecond);

enum Paste { Digits, BlanksAroundANumber, LeadingZeros, EmojiAndMarks };

QString repeated(const QString& unit, qsizetype size) {
  QString out;
  out.reserve(size + unit.size());
  while (out.size() < size) out += unit;
  return out;
}

QString pastedText(Paste kind) {
  constexpr qsizetype kMebi = 1 << 20;
  switch (kind) {
    case Digits:
      return repeated(QStringLiteral("1"), kMebi);
    case BlanksAroundANumber:
      return repeated(QStringLiteral(" \t"), kMebi / 2) + QStringLiteral("12.5") +
             repeated(QStringLiteral("\t "), kMebi / 2);
    case LeadingZeros:
      return repeated(QStringLiteral("0"), kMebi) + QStringLiteral("5");
    case EmojiAndMarks:
      return repeated(QStringLiteral("😀\u200F\x01a"), kMebi);
  }
  return {};
}

// A megabyte pasted through the Edit menu into the Arabic field: the field's own insertion,
// the trimming and the writing.
void BM_PasteMebibyteIntoTheArabicField(benchmark::State& state) {
  WriterBenchmarkApp app;
  const QString text = pastedText(static_cast<Paste>(state.range(0)));
  app.click(QStringLiteral("EFcr"));
  for (auto _ : state) {
    state.PauseTiming();
    app.fpr().EFcr->setText(QString());
    QApplication::clipboard()->setText(text);
    state.ResumeTiming();
    app.paste(text);
  }
  state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_PasteMebibyteIntoTheArabicField)
    ->ArgName("kind")
    ->Arg(Digits)
    ->Arg(BlanksAroundANumber)
    ->Arg(LeadingZeros)
    ->Arg(EmojiAndMarks)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
