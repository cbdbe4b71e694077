#include "numerals/chinoisarabe.h"

#include "app/App.h"

// TODO(reader): the character rules.
void ChinoisArabe::arrivage() {}
void ChinoisArabe::initialisernombre() {}
void ChinoisArabe::refuse() {}
void ChinoisArabe::methoden() {}
void ChinoisArabe::methodep() {}
void ChinoisArabe::methodez() {}
void ChinoisArabe::methodeunite() {}
void ChinoisArabe::methodepuissance() {}
void ChinoisArabe::methodeseparateur() {}
void ChinoisArabe::accepte() {}
