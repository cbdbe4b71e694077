#include "app/App.h"
#include "mainwindow/Fpr.h"

// TODO(fold-out): the converter panel and the paper tape window.
void Fpr::DisclosureTriangle1_Action() {}
void Fpr::DisclosureTriangle2_Action() {}
