// Compiled with the core's include path: no window of the application is in its reach.
#if __has_include("mainwindow/Fpr.h") || __has_include("app/App.h") || __has_include("calculator/fband.h") || \
    __has_include("numerals/fouimais.h") || __has_include("dialogs/FPreferences.h")
#error "a window header is reachable from the core"
#endif
