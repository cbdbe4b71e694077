#pragma once
// The characters of the table in force: the 17 input keys, the four operator keys and "=",
// and the four operator words the display shows.

#include <QString>

struct Caracteres {
  QString c2, c1, c3, c4, c6, c5, c7, c8, c9, c10, c100, c1000, cn, cp, cmu, cad, cdiv, csous, ce, c104, c108;
  QString cz;
  QString cplus, cmoins, cfois, cpar;
};
