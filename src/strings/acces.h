#pragma once
// What a screen reader says for the controls whose caption does not say it (the keypad's keys,
// the fields, the triangles, the pictures and what they show): the text of the key
// "acces.<name>" in the UI language, or its English default.

#include <QString>

namespace acces {

// The text for a name of the table ("Fpr.BB4"); a name outside it is a fault of the caller and
// gives "".
QString texte(const QString& name);

struct Entry {
  const char* name;
  const char16_t* defaultText;
};
// Every name with its English default.
const Entry* entries(int* count);

}  // namespace acces
