// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up is measured from outside, as a whole process: with this installed, the process
// ends as soon as its main window has painted once, before anything the event loop would
// run after that paint.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMetaObject>
#include <cstdio>
#include <unistd.h>

class CExitAtFirstPaint : public QObject {
public:
    static void InstallIfAsked() {
        if (qEnvironmentVariableIsSet("SCRIVANE_EXIT_AT_FIRST_PAINT"))
            qApp->installEventFilter(new CExitAtFirstPaint(qApp));
    }

protected:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_ && qobject_cast<QMainWindow*>(watched) &&
            static_cast<QWidget*>(watched)->isWindow()) {
            done_ = true;
            // Queued, so that the paint itself is finished and counted.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::fflush(nullptr);
                    _exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool done_ = false;
};
