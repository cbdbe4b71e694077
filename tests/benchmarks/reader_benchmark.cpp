// The Chinese reader in the converter: a numeral of 30 characters, and a pasted megabyte.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>

#include "benchmarks/benchmark_app.h"

namespace {

// The largest number, negative, with decimals past the fourteenth digit: 30 characters.
const QString kThirty = QStringLiteral("负九千九百九十九亿九千九百九十九万九千九百九十九点九九九九九");

// Every change of the Chinese field reads it whole into the Arabic field.
void BM_ConverterReadsThirtyCharacters(benchmark::State& state) {
  BenchmarkApp app;
  app.click(QStringLiteral("EFca"));
  platform::EditField& field = *app.fpr().EFca;
  for (auto _ : state) {
    field.setText(kThirty);
    state.PauseTiming();
    field.setText(QString());
    state.ResumeTiming();
  }
  if (app.fpr().EFcr->text() != QString()) state.SkipWithError("the field was not emptied");
  state.SetItemsProcessed(state.iterations() * kThirty.size());
}
BENCHMARK(BM_ConverterReadsThirtyCharacters)->Unit(benchmark::kMicrosecond);

// The rules alone: the same text read with the routing at the Arabic field, where the reader
// writes into no control.
void BM_ReaderRulesOnThirtyCharacters(benchmark::State& state) {
  BenchmarkApp app;
  App& a = app.application();
  ChinoisArabe& reader = a.chinoisarabe;
  a.position = 3;
  for (auto _ : state) {
    reader.initialisernombre();
    reader.textaarabiser = kThirty;
    reader.arabisertexte();
  }
  if (reader.tradenarabe != QStringLiteral("-999999999999.99")) state.SkipWithError("unexpected value");
  state.SetItemsProcessed(state.iterations() * kThirty.size());
}
BENCHMARK(BM_ReaderRulesOnThirtyCharacters)->Unit(benchmark::kMicrosecond);

enum Paste { NumeralsThenJunk, SpacesAroundANumeral, NumeralsThenJunkThenBlanks };

QString pastedText(Paste kind) {
  constexpr int kMebi = 1 << 20;
  const QString numeral = QStringLiteral("一亿一千零五万");
  const QString junk = QStringLiteral("abc 123, 两百〇\u200F\U0001F600\x01x");
  switch (kind) {
    case NumeralsThenJunk:
      return numeral + junk.repeated(kMebi / junk.size());
    case SpacesAroundANumeral:
      return QString(kMebi / 2, QLatin1Char(' ')) + numeral + QString(kMebi / 2, QLatin1Char(' '));
    case NumeralsThenJunkThenBlanks:
      return numeral + junk.repeated((kMebi - 1000) / junk.size()) + QString(1000, QLatin1Char('\t'));
  }
  return {};
}

// A megabyte pasted through the Edit menu into the Chinese field: the field's own insertion,
// the trimming and the reading.
void BM_PasteMebibyteIntoTheChineseField(benchmark::State& state) {
  BenchmarkApp app;
  const QString text = pastedText(static_cast<Paste>(state.range(0)));
  app.click(QStringLiteral("EFca"));
  for (auto _ : state) {
    state.PauseTiming();
    app.fpr().EFca->setText(QString());
    QApplication::clipboard()->setText(text);
    state.ResumeTiming();
    app.chooseMenu(QStringLiteral("EditPaste"));
  }
  state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_PasteMebibyteIntoTheChineseField)
    ->ArgName("kind")
    ->Arg(NumeralsThenJunk)
    ->Arg(SpacesAroundANumeral)
    ->Arg(NumeralsThenJunkThenBlanks)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
