// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifier.h"

#include <QVariantMap>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusPendingCallWatcher>
#include <QtDBus/QDBusPendingReply>
#include <QtDBus/QDBusReply>

CDesktopNotifier::CDesktopNotifier(QDBusConnection bus, QObject* parent) : QObject(parent), bus_(bus) {
    if (bus_.isConnected())
        bus_.connect(kNotificationsService, kNotificationsPath, kNotificationsService, "ActionInvoked", this,
                     SLOT(OnActionInvoked(uint, QString)));
}

bool CDesktopNotifier::Available() const {
    if (!bus_.isConnected() || !bus_.interface()) return false;
    QDBusConnectionInterface* bus = bus_.interface();
    if (bus->isServiceRegistered(kNotificationsService)) return true;
    const QDBusReply<QStringList> startable = bus->activatableServiceNames();
    return startable.isValid() && startable.value().contains(kNotificationsService);
}

void CDesktopNotifier::Notify(const QString& summary, const QString& body) {
    if (!bus_.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kNotificationsService, kNotificationsPath,
                                                       kNotificationsService, "Notify");
    QVariantMap hints;
    hints.insert("desktop-entry", QString("scrivane"));
    call << QString("Scrivane") << uint(0) << QString("scrivane") << summary << body
         << QStringList{"default", "Open"} << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isValid()) sent_.append(reply.value());
        w->deleteLater();
    });
}

void CDesktopNotifier::OnActionInvoked(uint id, const QString& action) {
    if (action == "default" && sent_.contains(id)) emit Clicked();
}
