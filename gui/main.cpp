#include "framework/QuitOnSignal.h"
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    // Answered before Qt starts, so that they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("scrivane " SCRIVANE_VERSION "\n");
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf(
            "usage: scrivane [FILE]\n"
            "       scrivane --help | --version\n"
            "Opens FILE (.vnpln, .vnnot or .txt) when given; the working directory is the base directory.\n");
        return 0;
    }
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
