#include "platform/text.h"

#include <cmath>
#include <string>

namespace platform {

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

double Val(const QString& s) {
  // sign, digits, point, digits, optional exponent; nothing else is read.
  const QByteArray t = s.toLatin1();
  int i = 0;
  const int n = static_cast<int>(t.size());
  std::string number;
  if (i < n && (t[i] == '-' || t[i] == '+')) number += t[i++];
  bool digits = false;
  while (i < n && t[i] >= '0' && t[i] <= '9') {
    number += t[i++];
    digits = true;
  }
  if (i < n && t[i] == '.') {
    number += t[i++];
    while (i < n && t[i] >= '0' && t[i] <= '9') {
      number += t[i++];
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < n && (t[i] == 'e' || t[i] == 'E')) {
    std::string exponent = "e";
    int j = i + 1;
    if (j < n && (t[j] == '-' || t[j] == '+')) exponent += t[j++];
    bool expDigits = false;
    while (j < n && t[j] >= '0' && t[j] <= '9') {
      exponent += t[j++];
      expDigits = true;
    }
    if (expDigits) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
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

}  // namespace platform
