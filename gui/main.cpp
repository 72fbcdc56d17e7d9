#include "framework/QuitOnSignal.h"
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when no display can be opened; say it in one line instead.
bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

} // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "scrivane: no display to open a window on (DISPLAY is not set)\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Scrivane");
    QApplication::setOrganizationName("Brennoch");
    QApplication::setWindowIcon(QIcon(":/images/scrivane.png"));
    CScrivaneApp scrivane;
    if (!scrivane.InitInstance(QApplication::arguments().mid(1))) return 1;
    CQuitOnSignal quitOnSignal([&scrivane] {
        if (scrivane.MainFrame()) scrivane.MainFrame()->close();
    });
    return app.exec();
}
