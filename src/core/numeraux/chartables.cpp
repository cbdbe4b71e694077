#include "numeraux/chartables.h"

#include "numeraux/caracteres.h"

namespace chartables {

// clang-format off
void appliquer(Caracteres& a, const Table& t) {
  auto s = [](const char* text) { return QString::fromUtf8(text); };
  a.c1 = s(t.c1); a.c2 = s(t.c2); a.c3 = s(t.c3); a.c4 = s(t.c4); a.c5 = s(t.c5);
  a.c6 = s(t.c6); a.c7 = s(t.c7); a.c8 = s(t.c8); a.c9 = s(t.c9); a.c10 = s(t.c10);
  a.c100 = s(t.c100); a.c1000 = s(t.c1000); a.c104 = s(t.c104); a.c108 = s(t.c108); a.cz = s(t.cz);
  a.cn = s(t.cn); a.cp = s(t.cp); a.cmu = s(t.cmu); a.cad = s(t.cad); a.cdiv = s(t.cdiv);
  a.csous = s(t.csous); a.ce = s(t.ce); a.cplus = s(t.cplus); a.cmoins = s(t.cmoins); a.cfois = s(t.cfois);
  a.cpar = s(t.cpar);
}
// clang-format on

}  // namespace chartables
