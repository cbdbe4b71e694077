// Compiled with the core's include path: Qt's widgets are out of its reach.
#if __has_include(<QWidget>) || __has_include(<QApplication>) || __has_include(<QLabel>)
#error "a Qt widget header is reachable from the core"
#endif
