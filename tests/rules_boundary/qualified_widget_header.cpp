// Compiled with the core's include path: Qt's widgets are out of its reach by their module too.
#if __has_include(<QtWidgets/QWidget>) || __has_include(<QtWidgets/QtWidgets>)
#error "a Qt widget header is reachable from the core"
#endif
