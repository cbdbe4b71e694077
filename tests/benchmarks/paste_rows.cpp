#include "benchmarks/paste_rows.h"

#include "benchmarks/bare_floors.h"
#include "benchmarks/benchmark_app.h"

namespace {

constexpr qsizetype kMebi = 1 << 20;
constexpr qsizetype kTrailingBlanks = 4096;

// A text of `units` UTF-16 units at most made of `piece` again and again.
QString filled(const QString& piece, qsizetype units) { return piece.repeated(units / piece.size()); }

struct Paste {
  const char* what;
  QString text;
};

// What each field is given: a numeral of its own kind, then the same four kinds of megabyte.
std::vector<Paste> pastes(const QString& numeral) {
  const QString junk = QStringLiteral("abc 123, 两百〇\u200F\U0001F600\x01x");
  const QString blanks = QString(kMebi / 2, QLatin1Char(' '));
  return {
      {"numerals then junk", numeral + filled(junk, kMebi - numeral.size())},
      {"a million blanks around a numeral", blanks + numeral + blanks},
      {"junk ending in 4,096 blanks",
       numeral + filled(junk, kMebi - numeral.size() - kTrailingBlanks) + QString(kTrailingBlanks, QLatin1Char(' '))},
      {"emoji and control characters", filled(QStringLiteral("😀\u200F\u202E\x01\x7f"), kMebi)},
  };
}

struct Field {
  const char* name;
  platform::EditField* Fpr::*control;
  const char* label;
  QString numeral;
};

const Field kFields[] = {{"EFca", &Fpr::EFca, "Chinese", QStringLiteral("一亿一千零五万")},
                         {"EFcr", &Fpr::EFcr, "Arabic", QStringLiteral("110050000")}};

// The field clicked and emptied, then the paste.
double pasteInto(BenchmarkApp& app, const Field& field, const QString& text) {
  app.click(QString::fromLatin1(field.name));
  (app.fpr().*field.control)->setText(QString());
  app.processEvents();
  return microseconds([&] { app.paste(text); });
}

}  // namespace

std::vector<Row> pasteRows(int samples) {
  std::vector<Row> rows;
  for (const Field& field : kFields) {
    BenchmarkApp app;
    app.showConverter();
    BareField bare;
    const std::vector<Paste> texts = pastes(field.numeral);
    for (const Paste& paste : texts) {
      rows.push_back(takeTurns(
          QStringLiteral("1 MiB paste, %1 field: %2").arg(QLatin1String(field.label), QLatin1String(paste.what)),
          QStringLiteral("bare text field, the same paste"), QStringLiteral("ms"), samples,
          [&] { return pasteInto(app, field, paste.text) / 1000; }, [&] { return bare.paste(paste.text) / 1000; }));
    }
    // Trailing blanks cost their trimming alone.
    const QString withBlanks = texts[2].text;
    const QString withoutBlanks = withBlanks.chopped(kTrailingBlanks);
    rows.push_back(takeTurns(
        QStringLiteral("1 MiB paste, %1 field: junk ending in 4,096 blanks").arg(QLatin1String(field.label)),
        QStringLiteral("the same field, the same paste without its blanks"), QStringLiteral("ms"), samples,
        [&] { return pasteInto(app, field, withBlanks) / 1000; },
        [&] { return pasteInto(app, field, withoutBlanks) / 1000; }));
  }
  return rows;
}
