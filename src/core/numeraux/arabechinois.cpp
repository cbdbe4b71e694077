#include "numeraux/arabechinois.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QVarLengthArray>

#include "numeraux/caracteresreconnus.h"
#include "numeraux/chinoisarabe.h"
#include "numeraux/reusedbuffer.h"
#include "texte/text.h"

namespace {

// The longest integer part the writer accepts.
constexpr int kMaxIntegerDigits = 12;
// Digits kept from an Arabic text (one more when the text begins with "0.", whose 0 is no digit).
constexpr int kMaxDigits = 14;

// The zero is 零 in every table, so the clean-up works on these literal characters.
const QChar kZero = QChar(0x96F6);  // 零

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// 万 or 亿, of any table.
bool isSeparator(QChar c) {
  const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(c.unicode());
  return sens != nullptr && (sens->code == ChinoisArabe::kWan || sens->code == ChinoisArabe::kYi);
}

// The numeral is built in a buffer on the stack: a digit and its power for each place, at most.
using Numeral = QVarLengthArray<QChar, 64>;

// Table characters are one or two code units: a copy loop beats a call to memcpy.
void put(Numeral& t, const QString& s) {
  for (QChar c : s) t.append(c);
}

// Whether s begins at `at` (or ends at `end`); an empty s is found anywhere, as by startsWith.
bool startsWithAt(const Numeral& t, qsizetype at, const QString& s) {
  return at + s.size() <= t.size() && std::equal(s.begin(), s.end(), t.begin() + at);
}

bool endsWithAt(const Numeral& t, qsizetype end, const QString& s) {
  return s.size() <= end && std::equal(s.begin(), s.end(), t.begin() + (end - s.size()));
}

// Removes from the text the characters for which drop(i) holds, in one walk, in place.
template <class Drop>
bool removeWhere(Numeral& t, Drop drop) {
  qsizetype kept = 0;
  for (qsizetype i = 0; i < t.size(); ++i) {
    if (!drop(i)) t[kept++] = t[i];
  }
  if (kept == t.size()) return false;
  t.resize(kept);
  return true;
}

// The clean-up rules below, each run to exhaustion in one walk over the text. Every rule only
// removes characters, so repeating the round until it removes nothing ends after a few rounds.
// The decisions look at the text as it was before the walk.

// Every run of zeros becomes one zero.
bool collapseZeroRuns(Numeral& t) {
  QChar previous;
  return removeWhere(t, [&](qsizetype i) {
    const bool drop = i > 0 && t[i] == kZero && previous == kZero;
    previous = t[i];
    return drop;
  });
}

// A zero right before 万 or 亿 goes.
bool dropZerosBeforeSeparators(Numeral& t) {
  // The next character is still unmoved: the walk writes only behind it.
  return removeWhere(t, [&](qsizetype i) { return t[i] == kZero && i + 1 < t.size() && isSeparator(t[i + 1]); });
}

// A value rounded to d decimals, half away from zero, on its exact binary value.
QString fixedText(double a, int decimals) {
  QString text = QString::number(a, 'f', decimals);
  if (text.contains(QLatin1Char('.'))) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  }
  return text;
}

}  // namespace

bool ArabeChinois::estMarqueur(const QString& text) { return text == kTexteMauvais || text == kHorsLimites; }

void ArabeChinois::crchange() {
  if (rendTexteNettoye_) return;
  // The out-of-range flag belongs to the text that raised it; a new text, whoever wrote it,
  // is judged afresh.
  tropbig = false;
  // Trimmed in one step; the change this raises is this call's own, so the text is written
  // (and an out-of-range message shown) once, below.
  rendTexteNettoye_ = true;
  const QString trimmed = hote_.champArabeRogne();
  rendTexteNettoye_ = false;
  // Text that the reader puts here while the user types Chinese is only trimmed.
  if (hote_.routage() != 3) return;
  hote_.ecritureDuChamp();
  stoperreur = false;
  textachinoiserbrut = trimmed;
  negatifa = 1;
  tradenchinois.clear();
  chinoisertexte();
}

void ArabeChinois::chinoisertexte() {
  stoperreur = false;
  brutanet();
  partieentiere();
  if (tropbig) return;
  partiedecimale();
  affichertradenchinois();
}

void ArabeChinois::brutanet() {
  tropbig = false;
  clearKeepingCapacity(textachinoisernet);
  QString& raw = textachinoiserbrut;

  qsizetype start = 0;
  if (raw.startsWith(QLatin1Char('-'))) {
    negatifa = -1;
    start = 1;
  } else {
    negatifa = 1;
  }
  // Leading zeros go, but a lone 0 and the 0 of "0." stay.
  const qsizetype size = raw.size();
  while (start + 1 < size && raw[start] == QLatin1Char('0') && raw[start + 1] != QLatin1Char('.')) ++start;
  if (start > 0) raw.remove(0, start);

  // Digits beyond the limit are cut, not rounded, and never looked at: the raw text may be long.
  const int limit = raw.startsWith(QLatin1String("0.")) ? kMaxDigits + 1 : kMaxDigits;
  reserveOnce(textachinoisernet, std::min<qsizetype>(raw.size(), 2 * (kMaxDigits + 2)));
  int counted = 0;
  qsizetype end = 0;
  for (; end < raw.size() && counted < limit; ++end) {
    const QChar c = raw[end];
    if (c.isHighSurrogate() && end + 1 < raw.size() && raw[end + 1].isLowSurrogate()) ++end;
    if (c != QLatin1Char('.')) ++counted;
  }
  textachinoisernet.append(raw.constData(), end);
}

void ArabeChinois::partieentiere() {
  clearKeepingCapacity(tradenchinois);
  clearKeepingCapacity(pentiere);
  reserveOnce(pentiere, kMaxIntegerDigits + 1);

  qsizetype taken = 0;
  for (; taken < textachinoisernet.size(); ++taken) {
    const QChar c = textachinoisernet[taken];
    if (c == QLatin1Char('.')) break;
    if (!isDigit(c)) {
      // A bad character wins over an integer part that is too long.
      pentiere.append(textachinoisernet.constData(), taken);
      textachinoisernet.remove(0, taken);
      erreur();
      return;
    }
  }
  pentiere.append(textachinoisernet.constData(), taken);
  textachinoisernet.remove(0, taken);

  const int n = static_cast<int>(pentiere.size());
  if (n > kMaxIntegerDigits) {
    tropgrand();
    return;
  }

  const std::array<const QString*, 9> digits = {&car_.c1, &car_.c2, &car_.c3, &car_.c4, &car_.c5,
                                                &car_.c6, &car_.c7, &car_.c8, &car_.c9};
  Numeral numeral;
  const QString* lastUnit = &unite;
  for (int i = 1; i <= n; ++i) {
    const int place = n - i + 1;
    const int digit = pentiere[i - 1].unicode() - '0';
    if (digit > 0) {
      lastUnit = digits[digit - 1];
      put(numeral, *lastUnit);
      put(numeral, puiss(place));
      continue;
    }
    lastUnit = &car_.cz;
    put(numeral, car_.cz);
    if (place == 5) {
      // The 万 follows a zero in its place unless the whole 万 group is zero after a 亿.
      qsizetype before = numeral.size() - car_.cz.size();
      while (!car_.cz.isEmpty() && endsWithAt(numeral, before, car_.cz)) before -= car_.cz.size();
      if (!endsWithAt(numeral, before, car_.c108)) put(numeral, car_.c104);
    } else if (place == 9) {
      put(numeral, car_.c108);
    }
  }
  unite = *lastUnit;

  // Clean-up, until a round removes nothing: one zero per run of zeros; 一十 loses its 一 at the
  // start only; without decimals trailing zeros go (a lone 零 stays); no zero before 万 or 亿.
  for (;;) {
    bool removed = collapseZeroRuns(numeral);
    if (startsWithAt(numeral, 0, car_.c1) && startsWithAt(numeral, car_.c1.size(), car_.c10)) {
      numeral.remove(0, car_.c1.size());
      removed = true;
    }
    if (textachinoisernet.isEmpty()) {
      while (numeral.size() > car_.cz.size() && endsWithAt(numeral, numeral.size(), car_.cz)) {
        numeral.resize(numeral.size() - car_.cz.size());
        removed = true;
      }
    }
    removed = dropZerosBeforeSeparators(numeral) || removed;
    if (!removed) break;
  }

  if (negatifa == -1) tradenchinois.append(car_.cn);
  tradenchinois.append(numeral.constData(), numeral.size());
}

const QString& ArabeChinois::puiss(int p) const {
  static const QString none;
  const std::array<const QString*, 12> units = {&none,      &car_.c10, &car_.c100, &car_.c1000,
                                                &car_.c104, &car_.c10, &car_.c100, &car_.c1000,
                                                &car_.c108, &car_.c10, &car_.c100, &car_.c1000};
  if (p < 1 || p > 12) return none;
  return *units[p - 1];
}

void ArabeChinois::partiedecimale() {
  if (stoperreur || textachinoisernet.isEmpty()) return;
  // The integer part's trailing zero, kept by the clean-up because a point follows: 一百零 point
  // five is 一百点五, while 零点五 and 负零点五 keep theirs.
  if (tradenchinois.endsWith(kZero) && tradenchinois != car_.cz && tradenchinois != car_.cn + car_.cz) {
    tradenchinois.chop(1);
  }
  tradenchinois += car_.cp;
  textachinoisernet.remove(0, 1);

  const std::array<const QString*, 10> digits = {&car_.cz, &car_.c1, &car_.c2, &car_.c3, &car_.c4,
                                                 &car_.c5, &car_.c6, &car_.c7, &car_.c8, &car_.c9};
  for (QChar c : textachinoisernet) {
    if (!isDigit(c)) {
      erreur();
      return;
    }
    tradenchinois += *digits[c.unicode() - '0'];
  }
}

void ArabeChinois::affichertradenchinois() {
  if (hote_.routage() == 3) hote_.montrerChinois(tradenchinois);
}

void ArabeChinois::erreur() {
  tradenchinois = kTexteMauvais;
  stoperreur = true;
}

void ArabeChinois::tropgrand() {
  hote_.montrerHorsLimites();
  tropbig = true;
}

QString ArabeChinois::tradenchinoisdevaleur(double x) {
  if (std::isinf(x)) {
    // Beyond every limit: the out-of-range report, as for any value of 13 integer digits or more.
    stoperreur = false;
    tradenchinois.clear();
    pentiere.clear();
    textachinoiserbrut = tradenarabedevaleur(x);
    textachinoisernet.clear();
    negatifa = x < 0 ? -1 : 1;
    tropgrand();
    return tradenchinois;
  }
  textachinoiserbrut = tradenarabedevaleur(x);
  chinoisertexte();
  return tradenchinois;
}

QString ArabeChinois::tradenarabedevaleur(double x) {
  if (!std::isfinite(x)) return texte::Str(x);
  if (x == 0) return QStringLiteral("0");

  // 14 digits in all: as many decimals as the integer part leaves (14 below 1, none from 10^14
  // on), rounded on the value itself so that a carry reaches the integer part (434.99999999999994
  // is 435). Everything stays in doubles: no integer type could hold every value.
  const double a = std::fabs(x);
  const double whole = std::floor(a);
  int integerDigits = 0;
  if (whole >= 1e14) {
    integerDigits = kMaxDigits;
  } else {
    for (double power = 1; whole >= power; power *= 10) ++integerDigits;
  }
  // Written with its sign in one go; a value too small for the 14th decimal reads 0, unsigned.
  const QString text = fixedText(x, kMaxDigits - integerDigits);
  if (text == QLatin1String("-0")) return QStringLiteral("0");
  return text;
}
