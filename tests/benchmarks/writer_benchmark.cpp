// The Chinese writer: a value of 12 integer digits and two decimals, and a pasted megabyte in
// the converter's Arabic field.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>

#include "benchmarks/benchmark_app.h"

namespace {

constexpr double kTwelveDigitsTwoDecimals = -987654321012.34;

// The calculator's writing of a result: its Arabic text, then its Chinese text.
void BM_WriteValueOfTwelveDigitsAndTwoDecimals(benchmark::State& state) {
  BenchmarkApp app;
  ArabeChinois& writer = app.application().arabechinois;
  app.application().position = 1;
  for (auto _ : state) benchmark::DoNotOptimize(writer.tradenchinoisdevaleur(kTwelveDigitsTwoDecimals));
  if (writer.tradenchinois != QStringLiteral("负九千八百七十六亿五千四百三十二万一千零一十二点三四")) {
    state.SkipWithError("unexpected numeral");
  }
}
BENCHMARK(BM_WriteValueOfTwelveDigitsAndTwoDecimals)->Unit(benchmark::kMicrosecond);

void BM_ArabicTextOfTwelveDigitsAndTwoDecimals(benchmark::State& state) {
  BenchmarkApp app;
  ArabeChinois& writer = app.application().arabechinois;
  for (auto _ : state) benchmark::DoNotOptimize(writer.tradenarabedevaleur(kTwelveDigitsTwoDecimals));
}
BENCHMARK(BM_ArabicTextOfTwelveDigitsAndTwoDecimals)->Unit(benchmark::kMicrosecond);

// The converter: a change of the Arabic field written into the Chinese field.
void BM_ConverterWritesTwelveDigitsAndTwoDecimals(benchmark::State& state) {
  BenchmarkApp app;
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

QString pastedText(Paste kind) {
  constexpr qsizetype kMebi = 1 << 20;
  switch (kind) {
    case Digits:
      return QStringLiteral("1").repeated(kMebi);
    case BlanksAroundANumber:
      return QStringLiteral(" \t").repeated(kMebi / 4) + QStringLiteral("12.5") +
             QStringLiteral("\t ").repeated(kMebi / 4);
    case LeadingZeros:
      return QStringLiteral("0").repeated(kMebi) + QStringLiteral("5");
    case EmojiAndMarks:
      // Five units, just past a mebibyte.
      return QStringLiteral("😀\u200F\x01a").repeated(kMebi / 5 + 1);
  }
  return {};
}

// A megabyte pasted through the Edit menu into the Arabic field: the field's own insertion,
// the trimming and the writing.
void BM_PasteMebibyteIntoTheArabicField(benchmark::State& state) {
  BenchmarkApp app;
  const QString text = pastedText(static_cast<Paste>(state.range(0)));
  app.click(QStringLiteral("EFcr"));
  for (auto _ : state) {
    state.PauseTiming();
    app.fpr().EFcr->setText(QString());
    QApplication::clipboard()->setText(text);
    state.ResumeTiming();
    app.chooseMenu(QStringLiteral("EditPaste"));
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
