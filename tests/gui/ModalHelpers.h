// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs f on the next modal window to come up, from inside its event loop.
inline void OnNextModal(std::function<void(QWidget*)> f) {
    // The windows up now; one that closes may leave its address to the next.
    QList<QPointer<QWidget>> before;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) before << w;
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || !m->isVisible()) return;
        for (const QPointer<QWidget>& b : before)
            if (b == m) return;
        timer->stop();
        timer->deleteLater();
        f(m);
    });
    timer->start();
}

// Chooses path in a file dialog as a reader would: typed into the name field.
// selectFile alone leaves that field as it is while it has the focus, and
// whether it has it yet depends on how quickly the dialog came up.
inline void ChooseInFileDialog(QFileDialog* dialog, const QString& path) {
    dialog->selectFile(path);
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(path);
}
