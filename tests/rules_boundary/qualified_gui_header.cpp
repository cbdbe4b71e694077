// Compiled with the core's include path: Qt's GUI module is out of its reach.
#if __has_include(<QtGui/QFont>) || __has_include(<QFont>) || __has_include(<QGuiApplication>)
#error "a Qt GUI header is reachable from the core"
#endif
