#include "framework/DisplayCheck.h"
#include "framework/QuitOnSignal.h"
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

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
    if (std::string why = NoDisplayReason(); !why.empty()) {
        std::fprintf(stderr, "scrivane: %s\n", why.c_str());
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
