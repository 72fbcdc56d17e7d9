// SPDX-License-Identifier: GPL-3.0-or-later
#include "LockKeys.h"

#include <QGuiApplication>

#if __has_include(<X11/XKBlib.h>) && defined(SCRIVANE_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#define SCRIVANE_LOCK_KEYS_X11 1
#endif

std::optional<std::array<bool, 3>> LockKeyStates() {
#ifdef SCRIVANE_LOCK_KEYS_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return std::nullopt;
    unsigned int state = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) return std::nullopt;
    // The core keyboard's first three indicators: Caps Lock, Num Lock, Scroll Lock.
    return std::array<bool, 3>{(state & 1u) != 0, (state & 2u) != 0, (state & 4u) != 0};
#else
    return std::nullopt;
#endif
}
