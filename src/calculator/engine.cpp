#include "app/App.h"

// TODO(engine): the calculator.
void App::initialisercalculette() {}
void App::operationdemandee() {}
void App::egaledemande() {}
void App::adapterecran() {}
bool App::verifier1italique() { return false; }
void App::effectueroperation() {}
void App::actualiserst13() {}
bool App::verifier2italique() { return false; }
