#include "framework/DisplayCheck.h"
#include "framework/QuitOnSignal.h"
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"

#include <QApplication>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
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
