#pragma once
#include <QApplication>
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
