#include "app/App.h"
#include "numerals/chinoisarabe.h"

// TODO(reader): whole texts.
void ChinoisArabe::arabisertexte() {}
void ChinoisArabe::cachange() {}
