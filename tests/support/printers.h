#pragma once
// QString in test messages: the text and its code points, since 〇, 零 and ○ look alike.

#include <QString>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << "\" [";
  bool first = true;
  for (char32_t cp : text.toUcs4()) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%sU+%04X", first ? "" : " ", static_cast<unsigned>(cp));
    *os << buffer;
    first = false;
  }
  *os << ']';
}
QT_END_NAMESPACE
