// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QBasicTimer>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

// The picture shown while the program starts: for ten seconds, or until the
// first key or mouse-button press, which it takes for itself.
class CSplashWindow : public QWidget {
    Q_OBJECT
public:
    static void EnableSplash(bool enable);
    // Shows the splash over frame, once, if enabled: when frame has painted its next picture
    // (its first, when called before frame is shown), so that the program's window is there first.
    static void ShowSplash(QWidget* frame);
    // Shows it without waiting for frame to paint.
    static void ShowNow(QWidget* frame);
    // Offered every event first; true when it was consumed.
    static bool FilterMessage(QObject* target, QEvent* event);
    static CSplashWindow* Current();
    // Also a splash still waiting for its frame's first paint.
    static void HideSplash();

    // The time it stays up.
    static constexpr int kTimeoutMs = 10000;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    CSplashWindow(QWidget* owner, const QPixmap& picture);
    ~CSplashWindow() override;

    QPixmap picture_;
    QPointer<QWidget> owner_;
    QBasicTimer timer_;
};

// An application-wide event filter that gives every event to the splash first.
class CSplashFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return CSplashWindow::FilterMessage(watched, event);
    }
};
