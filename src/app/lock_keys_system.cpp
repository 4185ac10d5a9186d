#include "app/lock_indicators.h"

#include <QGuiApplication>

#ifdef KESTRA_HAVE_X11
// After every Qt header: Xlib defines macros that clash with Qt's names.
#include <X11/XKBlib.h>
#endif

std::optional<LockKeys> SystemLockKeys() {
#ifdef KESTRA_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    auto named = [display](const char* name) {
        Bool on = False;
        const Atom atom = XInternAtom(display, name, True);
        return atom != None &&
               XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    };
    return LockKeys{named("Caps Lock"), named("Num Lock"), named("Scroll Lock")};
#else
    return std::nullopt;
#endif
}
