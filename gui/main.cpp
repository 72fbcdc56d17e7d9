// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/BaseDirectory.h"
#include "framework/DisplayCheck.h"
#include "framework/ExitAtFirstPaint.h"
#include "framework/QuitOnSignal.h"
#include "framework/ResourceIcon.h"
#include "framework/Translation.h"
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SingleInstance.h"
#include "text/BibleTextSource.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
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
            "usage: scrivane [--base DIR] [FILE]\n"
            "       scrivane --help | --version\n"
            "Opens FILE (.vnpln, .vnnot or .txt; a .vntpl in the template editor) when given. The readers\n"
            "live in DIR, by default in "
            "${XDG_DATA_HOME:-~/.local/share}/Scrivane, which is made when missing.\n");
        return 0;
    }
    if (std::string why = NoDisplayReason(); !why.empty()) {
        std::fprintf(stderr, "scrivane: %s\n", why.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Scrivane");
    QApplication::setOrganizationName("Brennoch");
    QApplication::setWindowIcon(AppIcon());
    InstallTranslators(
        ChosenLanguage(QSettings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane")));
    // The base directory becomes the working directory, which the application takes for it; a
    // file named relative to where the program was started is made absolute first.
    QStringList args = QApplication::arguments().mid(1);
    std::string base = DefaultBaseDirectory();
    if (const qsizetype at = args.indexOf("--base"); at >= 0) {
        if (at + 1 >= args.size() || args[at + 1].isEmpty()) {
            std::fprintf(stderr, "scrivane: --base needs a directory\n");
            return 2;
        }
        base = QDir(args[at + 1]).absolutePath().toStdString();
        args.remove(at, 2);
        if (!QFileInfo(QString::fromStdString(base)).isDir()) {
            std::fprintf(stderr, "scrivane: %s is not a directory\n", base.c_str());
            return 1;
        }
    } else if (std::string why = MakeBaseDirectory(base); base.empty() || !why.empty()) {
        std::fprintf(stderr, "scrivane: %s\n",
                     base.empty() ? "no home directory is known; give --base DIR" : why.c_str());
        return 1;
    }
    for (QString& arg : args)
        if (!arg.startsWith('-')) arg = QFileInfo(arg).absoluteFilePath();
    if (!QDir::setCurrent(QString::fromStdString(base))) {
        std::fprintf(stderr, "scrivane: cannot work in %s\n", base.c_str());
        return 1;
    }
    // A second start for the same readers hands its file to the program already running.
    CSingleInstance instance(base);
    if (!instance.Claim() && instance.HandOver(args)) return 0;
    CExitAtFirstPaint::InstallIfAsked();
    int status = 1;
    {
        CScrivaneApp scrivane;
        if (!scrivane.InitInstance(args)) return 1;
        instance.SetHandler([&scrivane](const QStringList& more) { scrivane.OnAnotherStart(more); });
        CQuitOnSignal quitOnSignal([&scrivane] {
            if (scrivane.MainFrame()) scrivane.MainFrame()->close();
        });
        status = app.exec();
        instance.SetHandler({});
    }
    // A Bible text read left running past its time limit may still be inside SWORD, whose statics
    // exit() would destroy under it: with every file of the reader's saved, the program ends here.
    if (BibleTextReadsLeftRunning() > 0) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
