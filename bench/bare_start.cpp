// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of start-up: a bare Qt program with a main window shaped like the program's (menus,
// toolbar, status bar panes, an MDI area), which ends at its first paint as the program does
// when it is measured.
#include "framework/ExitAtFirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CExitAtFirstPaint::InstallIfAsked();
    QMainWindow window;
    window.setWindowTitle("Bare");
    window.setCentralWidget(new QMdiArea);
    const char* menus[] = {"&File", "&View", "&Help"};
    for (const char* title : menus) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (int i = 0; i < 8; ++i)
            menu->addAction(QString("Item &%1").arg(i));
    }
    QToolBar* bar = window.addToolBar("Toolbar");
    bar->setIconSize(QSize(16, 15));
    QPixmap picture(16, 15);
    picture.fill(Qt::darkBlue);
    for (int i = 0; i < 13; ++i)
        bar->addAction(QIcon(picture), QString("Button %1").arg(i));
    window.statusBar()->showMessage("Ready");
    for (const char* pane : {"CAP", "NUM", "SCRL"})
        window.statusBar()->addPermanentWidget(new QLabel(pane));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
