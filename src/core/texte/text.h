#pragma once
// Text and number functions, for the rules and the framework alike. Every count and position is in characters
// (Unicode code points), so a character outside the Basic Multilingual Plane counts as one.
// Number formatting always uses the C locale.

#include <QString>

namespace texte {

// Number of characters.
int Len(const QString& s);
// The first n characters; "" for n <= 0.
QString Left(const QString& s, int n);
// n characters from the 1-based position start; the rest of the text when n < 0.
QString Mid(const QString& s, int start, int n = -1);
// The last n characters; "" for n <= 0.
QString Right(const QString& s, int n);
// Code of the first character, 0 for "".
int Asc(const QString& s);
// The character of a code.
QString Chr(int code);
// The number at the start of a text ("" and "." give 0).
double Val(const QString& s);
// A number as text: whole numbers as plain digits, others with up to 15 significant digits.
QString Str(double value);
// "#": the whole number without grouping ("0" for 0); n zeros: at least n digits, rounded.
QString Format(double value, const QString& pattern);
double Floor(double value);
// Rounds half away from zero.
double Round(double value);

// The text as code points, for loops that walk a long text once.
std::u32string CodePoints(const QString& s);
QString FromCodePoints(std::u32string_view cps);

// Index in UTF-16 units of the character at code-point index i (clamped to the text).
int Utf16Index(const QString& s, int codePointIndex);
// Code-point index of the UTF-16 index u.
int CodePointIndex(const QString& s, int utf16Index);

}  // namespace texte
