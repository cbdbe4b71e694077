// Compiled with the core's include path: its own headers and Qt Core are in its reach, so that
// the probes beside this one are not true only of a path that reaches nothing.
#if !__has_include("numeraux/chinoisarabe.h") || !__has_include("calcul/calculette.h") || \
    !__has_include("texte/text.h") || !__has_include(<QString>) || !__has_include(<QtCore/QString>)
#error "the core's own headers or Qt Core are not reachable from the core"
#endif

#include "calcul/calculette.h"
