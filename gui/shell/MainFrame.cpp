#include "MainFrame.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Scrivane");
    QMenu* file = menuBar()->addMenu("&File");
    QAction* exit = file->addAction("E&xit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    resize(800, 600);
}
