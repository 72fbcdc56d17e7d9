// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>

namespace {
const QString kObjectPath = QStringLiteral("/Instance");
const QString kInterface = QStringLiteral("org.brennoch.Scrivane.Instance");
} // namespace

CSingleInstance::CSingleInstance(const std::string& baseDirectory) : service_(ServiceName(baseDirectory)) {}

CSingleInstance::~CSingleInstance() {
    if (!registered_) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(service_);
    bus.unregisterObject(kObjectPath);
}

QString CSingleInstance::ServiceName(const std::string& baseDirectory) {
    // A bus name holds only letters, digits and '_' in each element: the directory goes in as a digest.
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(baseDirectory), QCryptographicHash::Sha1).toHex();
    return "org.brennoch.Scrivane.b" + QString::fromLatin1(digest.left(24));
}

bool CSingleInstance::Claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return true;
    // The object is there before the name, so that a start that finds the name finds the object too.
    if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots)) return true;
    QDBusConnectionInterface* iface = bus.interface();
    if (!iface) return true;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = iface->registerService(
        service_, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        registered_ = true;
        return true;
    }
    bus.unregisterObject(kObjectPath);
    // Refused for another reason than the name being taken: run alone.
    return !reply.isValid() || !iface->isServiceRegistered(service_).value();
}

bool CSingleInstance::HandOver(const QStringList& args) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusInterface running(service_, kObjectPath, kInterface, bus);
    if (!running.isValid()) return false;
    // The running program may be busy with a dialog of its own for a moment; it answers when it can.
    running.setTimeout(10000);
    const QDBusMessage reply = running.call("Activate", args);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void CSingleInstance::SetHandler(std::function<void(const QStringList&)> handler) {
    handler_ = std::move(handler);
    if (!handler_) return;
    const QList<QStringList> waiting = std::exchange(waiting_, {});
    for (const QStringList& args : waiting)
        handler_(args);
}

void CSingleInstance::Activate(const QStringList& args) {
    // Answered at once: what the arguments lead to (a file opened, a message about it) is the
    // running program's own business, and the start that sent them has nothing to wait for.
    QMetaObject::invokeMethod(
        this,
        [this, args] {
            if (handler_)
                handler_(args);
            else
                waiting_ << args;
        },
        Qt::QueuedConnection);
}
