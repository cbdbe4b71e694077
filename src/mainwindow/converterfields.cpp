#include "app/App.h"
#include "mainwindow/Fpr.h"

// TODO(converter): the converter fields and the input routing.
void Fpr::EFca_TextChange() {}
bool Fpr::EFca_MouseDown(int, int) { return false; }
void Fpr::EFca_LostFocus() {}
void Fpr::EFca_GotFocus() {}
void Fpr::EditField1_GotFocus() { platform::ClearFocus(); }
bool Fpr::Canvas4_MouseDown(int, int) { return false; }
void Fpr::EFcr_TextChange() {}
bool Fpr::EFcr_MouseDown(int, int) { return false; }
void Fpr::EFcr_GotFocus() {}
