#include "app/App.h"
#include "app/Menu.h"

// TODO(menu handlers).
bool App::AideAidesurtouches_Action() { return false; }
bool App::caracteresnotationfinanciere_Action() { return false; }
bool App::caracteresnotationsusuelle_Action() { return false; }
bool App::caracteresChinoistraditionnel_Action() { return false; }
bool App::caracteresChinoissimplifié_Action() { return false; }
bool App::AideAfficherlecranencours_Action() { return false; }
bool App::FenetreBandepapier_Action() { return false; }
bool App::FenetreConvertisseur_Action() { return false; }
bool App::menuapropos_Action() { return false; }
bool App::caracteresChinoissimplifié1_Action() { return false; }
bool App::aideregles_Action() { return false; }
bool App::aideaideacalcimandarix_Action() { return false; }
bool App::preferences_Action() { return false; }
