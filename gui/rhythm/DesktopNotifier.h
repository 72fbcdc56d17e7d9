// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QtDBus/QDBusConnection>

// Desktop notifications through the freedesktop notification service on the
// session bus. Calls never block the window: a missing or slow service only
// means that no notification appears.
class CDesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit CDesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    // A session bus with a notification service on it, running or startable.
    bool Available() const;
    // Sends a notification with a default action (a click on it).
    void Notify(const QString& summary, const QString& body);

signals:
    // The user clicked one of our notifications.
    void Clicked();

private slots:
    void OnActionInvoked(uint id, const QString& action);

private:
    QDBusConnection bus_;
    QList<uint> sent_;
};

inline constexpr const char* kNotificationsService = "org.freedesktop.Notifications";
inline constexpr const char* kNotificationsPath = "/org/freedesktop/Notifications";
