// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QIcon>
#include <QString>

// An icon from the program's resources, read once: every window of an
// environment gets one, and reading a PNG each time is most of making a frame.
inline QIcon ResourceIcon(const QString& path) {
    // Kept to the end of the process: pixmaps may not outlive the application object.
    static auto* icons = new QHash<QString, QIcon>;
    auto it = icons->find(path);
    if (it == icons->end()) it = icons->insert(path, QIcon(path));
    return *it;
}

// The program's own icon, in the sizes a title bar, a task bar and the tray take: small
// pictures, decoded at the first start in a fraction of the time one large one takes.
inline QIcon AppIcon() {
    static auto* icon = [] {
        auto* made = new QIcon;
        for (int size : {16, 32, 48, 64})
            made->addFile(QString(":/images/scrivane-%1.png").arg(size), QSize(size, size));
        return made;
    }();
    return *icon;
}
