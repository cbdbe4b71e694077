#pragma once
// Emptying a text that is rebuilt for every number, so that its buffer serves the next one.

#include <QString>

// Empties the text and keeps its buffer when no other string shares it; a shared buffer is let
// go, as clear() does, since writing into it would copy it anyway.
inline void clearKeepingCapacity(QString& text) {
  if (text.isDetached()) {
    text.resize(0);
  } else {
    text.clear();
  }
}

// Makes the text a copy of the view, in its own buffer when that buffer is free and large enough.
inline void assignKeepingCapacity(QString& text, QStringView view) {
  clearKeepingCapacity(text);
  text.append(view);
}

// Reserves room for n code units unless the text has it already: QString::reserve would copy the
// buffer again even when it is exactly large enough.
inline void reserveOnce(QString& text, qsizetype n) {
  if (text.capacity() < n) text.reserve(n);
}
