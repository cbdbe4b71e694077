#include "app/App.h"
#include "mainwindow/Fpr.h"

// TODO(delete keys): one step back and clear.
void Fpr::BevelButton1_Action() {}
void Fpr::BevelButton2_Action() {}
