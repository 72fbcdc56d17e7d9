// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <cstdlib>
#include <string_view>

#if __has_include(<X11/Xlib.h>) && defined(SCRIVANE_HAVE_X11)
#include <X11/Xlib.h>
#define SCRIVANE_DISPLAY_CHECK_X11 1
#endif

namespace {

std::string_view Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string_view(v) : std::string_view();
}

} // namespace

std::string NoDisplayReason() {
    std::string_view platform = Env("QT_QPA_PLATFORM");
    if (!platform.empty() && platform.substr(0, 3) != "xcb") return {};
    std::string_view x = Env("DISPLAY");
    if (platform.empty() && !Env("WAYLAND_DISPLAY").empty()) return {};
    if (x.empty()) return "no display to open a window on (DISPLAY is not set)";
#ifdef SCRIVANE_DISPLAY_CHECK_X11
    Display* display = XOpenDisplay(nullptr);
    if (!display) return "no display could be opened (DISPLAY=" + std::string(x) + " does not answer)";
    XCloseDisplay(display);
#endif
    return {};
}
