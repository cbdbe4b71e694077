// Compiled with the core's include path: our framework's headers are out of its reach.
#if __has_include("platform/window.h") || __has_include("platform/application.h") || \
    __has_include("platform/controls.h") || __has_include("platform/services.h")
#error "a framework header is reachable from the core"
#endif
