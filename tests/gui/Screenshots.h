// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDir>
#include <QWidget>

// Saves a picture of w as NAME.png into $SCRIVANE_SCREENSHOTS when that is set,
// so that a person can look at what the tests drove.
inline void SaveScreenshot(QWidget* w, const QString& name) {
    QByteArray dir = qgetenv("SCRIVANE_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}
