#include "texte/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace texte {

namespace {

bool isPairAt(const QString& s, int i) {
  return i + 1 < s.size() && s[i].isHighSurrogate() && s[i + 1].isLowSurrogate();
}

}  // namespace

int Utf16Index(const QString& s, int codePointIndex) {
  int u = 0;
  for (int k = 0; k < codePointIndex && u < s.size(); ++k) {
    u += isPairAt(s, u) ? 2 : 1;
  }
  return u;
}

int CodePointIndex(const QString& s, int utf16Index) {
  int k = 0;
  for (int u = 0; u < utf16Index && u < s.size(); ++k) {
    u += isPairAt(s, u) ? 2 : 1;
  }
  return k;
}

int Len(const QString& s) { return CodePointIndex(s, static_cast<int>(s.size())); }

QString Left(const QString& s, int n) {
  if (n <= 0) return {};
  return s.left(Utf16Index(s, n));
}

QString Mid(const QString& s, int start, int n) {
  if (start < 1) start = 1;
  const int from = Utf16Index(s, start - 1);
  if (n < 0) return s.mid(from);
  int to = from;
  for (int k = 0; k < n && to < s.size(); ++k) to += isPairAt(s, to) ? 2 : 1;
  return s.mid(from, to - from);
}

QString Right(const QString& s, int n) {
  if (n <= 0) return {};
  const int len = Len(s);
  if (n >= len) return s;
  return s.mid(Utf16Index(s, len - n));
}

int Asc(const QString& s) {
  if (s.isEmpty()) return 0;
  if (isPairAt(s, 0)) return static_cast<int>(QChar::surrogateToUcs4(s[0], s[1]));
  return s[0].unicode();
}

QString Chr(int code) {
  if (code < 0) return {};
  const char32_t cp = static_cast<char32_t>(code);
  return QString::fromUcs4(&cp, 1);
}

namespace {

// The decimal order of magnitude of a number written as [-]digits[.digits][e[-]digits] with at
// least one digit other than 0: the power of ten just above its magnitude. Huge exponents are
// clamped; they only need to keep their sign.
long long decimalOrder(const std::string& number) {
  const size_t exponentAt = std::min(number.find('e'), number.size());
  const size_t pointAt = std::min(number.find('.'), exponentAt);
  const size_t firstSignificant = number.find_first_of("123456789");
  const long long mantissaOrder = firstSignificant < pointAt ? static_cast<long long>(pointAt - firstSignificant)
                                                             : -static_cast<long long>(firstSignificant - pointAt - 1);
  long long exponent = 0;
  bool exponentNegative = false;
  for (size_t i = exponentAt + 1; i < number.size(); ++i) {
    if (number[i] == '-') {
      exponentNegative = true;
    } else {
      exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
    }
  }
  return mantissaOrder + (exponentNegative ? -exponent : exponent);
}

}  // namespace

double Val(const QString& s) {
  // Sign, digits, point, digits, an optional exponent; nothing else is read. Only the number's
  // own characters are looked at, and from_chars ignores the C library's locale.
  auto digitAt = [&s](qsizetype i) { return i < s.size() && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9'); };
  std::string number;
  qsizetype i = 0;
  if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) {
    if (s[i] == QLatin1Char('-')) number += '-';
    ++i;
  }
  bool digits = false;
  for (; digitAt(i); ++i) {
    number += static_cast<char>(s[i].unicode());
    digits = true;
  }
  if (i < s.size() && s[i] == QLatin1Char('.')) {
    number += '.';
    for (++i; digitAt(i); ++i) {
      number += static_cast<char>(s[i].unicode());
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
    std::string exponent = "e";
    qsizetype j = i + 1;
    if (j < s.size() && (s[j] == QLatin1Char('-') || s[j] == QLatin1Char('+'))) {
      if (s[j] == QLatin1Char('-')) exponent += '-';
      ++j;
    }
    bool expDigits = false;
    for (; digitAt(j); ++j) {
      exponent += static_cast<char>(s[j].unicode());
      expDigits = true;
    }
    if (expDigits) number += exponent;
  }
  double value = 0.0;
  const char* first = number.data();
  const char* last = first + number.size();
  const auto [end, error] = std::from_chars(first, last, value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // from_chars leaves the value alone when it overflows or underflows: saturate as strtod does,
    // by the number's decimal order of magnitude.
    const bool negative = number.front() == '-';
    value = decimalOrder(number) > 0
                ? (negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity())
                : (negative ? -0.0 : 0.0);
  }
  return value;
}

QString Str(double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    return QString::number(value, 'f', 0);
  }
  return QString::number(value, 'g', 15);
}

QString Format(double value, const QString& pattern) {
  if (!std::isfinite(value)) return Str(value);
  const double rounded = Round(value);
  QString digits = QString::number(std::fabs(rounded), 'f', 0);
  const bool negative = rounded < 0;
  if (pattern != QLatin1String("#")) {
    const int width = static_cast<int>(pattern.count(QLatin1Char('0')));
    if (digits.size() < width) digits = QString(width - digits.size(), QLatin1Char('0')) + digits;
  }
  return negative ? QLatin1Char('-') + digits : digits;
}

double Floor(double value) { return std::floor(value); }

double Round(double value) { return std::round(value); }

std::u32string CodePoints(const QString& s) {
  std::u32string out;
  out.reserve(static_cast<size_t>(s.size()));
  for (int i = 0; i < s.size();) {
    if (isPairAt(s, i)) {
      out.push_back(QChar::surrogateToUcs4(s[i], s[i + 1]));
      i += 2;
    } else {
      out.push_back(s[i].unicode());
      ++i;
    }
  }
  return out;
}

QString FromCodePoints(std::u32string_view cps) {
  QString out;
  out.reserve(static_cast<qsizetype>(cps.size()));
  for (char32_t cp : cps) {
    if (cp < 0x10000) {
      out.append(QChar(static_cast<char16_t>(cp)));
    } else {
      out.append(QChar(QChar::highSurrogate(cp)));
      out.append(QChar(QChar::lowSurrogate(cp)));
    }
  }
  return out;
}

}  // namespace texte
