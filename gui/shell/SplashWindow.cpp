// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplashWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
bool enabled = false;
CSplashWindow* current = nullptr;
bool swallowingKey = false;
QPointer<QWidget> waitingFor; // the frame whose first paint brings the splash

// Shows the splash once the frame's first paint is done.
class CFirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == waitingFor) {
            watched->removeEventFilter(this);
            deleteLater();
            QTimer::singleShot(0, watched, [frame = waitingFor] {
                if (frame && frame == waitingFor) {
                    waitingFor = nullptr;
                    CSplashWindow::ShowNow(frame);
                }
            });
        }
        return false;
    }
};
} // namespace

void CSplashWindow::EnableSplash(bool enable) {
    enabled = enable;
}

CSplashWindow* CSplashWindow::Current() {
    return current;
}

CSplashWindow::CSplashWindow(QWidget* owner, const QPixmap& picture)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(picture), owner_(owner) {
    setObjectName("splash");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFixedSize(picture_.size());
    QRect area = owner && owner->isVisible() ? owner->frameGeometry()
                                             : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid()) move(area.center() - rect().center());
    timer_.start(kTimeoutMs, this);
}

CSplashWindow::~CSplashWindow() {
    if (current == this) current = nullptr;
}

void CSplashWindow::ShowSplash(QWidget* frame) {
    if (!enabled || current || waitingFor) return;
    if (frame && !frame->isMinimized()) {
        waitingFor = frame;
        frame->installEventFilter(new CFirstPaintWatcher(frame));
    } else {
        ShowNow(frame);
    }
}

void CSplashWindow::ShowNow(QWidget* frame) {
    if (!enabled || current) return;
    QPixmap picture(":/images/splash.png");
    if (picture.isNull()) return; // no picture, no splash
    current = new CSplashWindow(frame, picture);
    current->show();
    current->raise();
    current->repaint();
}

void CSplashWindow::HideSplash() {
    waitingFor = nullptr;
    if (!current) return;
    CSplashWindow* s = current;
    current = nullptr;
    QPointer<QWidget> owner = s->owner_;
    s->timer_.stop();
    s->hide();
    s->deleteLater();
    if (owner) owner->update();
}

bool CSplashWindow::FilterMessage(QObject*, QEvent* event) {
    // The key that removed the splash is swallowed whole: the shortcut it may
    // trigger and its press, in whichever order they come, up to its release.
    if (swallowingKey) {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::Shortcut:
        case QEvent::KeyPress:
            return true;
        case QEvent::KeyRelease:
            swallowingKey = false;
            return true;
        default:
            break;
        }
    }
    if (!current) return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::KeyPress:
        HideSplash();
        swallowingKey = true;
        if (event->type() == QEvent::ShortcutOverride) event->accept();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) {
            HideSplash();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

void CSplashWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId()) HideSplash();
}
