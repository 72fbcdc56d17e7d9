// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderSettings.h"

#include <QCryptographicHash>

namespace {

QString& SettingsBase() {
    static QString base;
    return base;
}

} // namespace

void SetReaderSettingsBase(const std::string& baseDirectory) {
    // A digest keeps the group one short level whatever characters the path holds.
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(baseDirectory), QCryptographicHash::Sha1).toHex();
    SettingsBase() = baseDirectory.empty() ? QString() : QString::fromLatin1(digest.left(16));
}

QString ReaderSettingsGroup(const std::string& fileStem) {
    // QSettings takes both slashes as group separators: the stem's parts become nested groups.
    QString stem = QString::fromStdString(fileStem);
    stem.replace('\\', '/');
    while (stem.startsWith('/'))
        stem.remove(0, 1);
    return SettingsBase().isEmpty() ? "Readers/" + stem : "Readers/" + SettingsBase() + "/" + stem;
}

void AdoptUnkeyedReaderSettings(QSettings& settings, const std::string& fileStem) {
    if (SettingsBase().isEmpty()) return;
    QString stem = QString::fromStdString(fileStem);
    stem.replace('\\', '/');
    while (stem.startsWith('/'))
        stem.remove(0, 1);
    if (stem.isEmpty()) return;
    const QString old = "Readers/" + stem, current = ReaderSettingsGroup(fileStem);
    settings.beginGroup(current);
    const bool keyed = !settings.allKeys().isEmpty();
    settings.endGroup();
    settings.beginGroup(old);
    const QStringList keys = settings.allKeys();
    settings.endGroup();
    if (keyed || keys.isEmpty()) return;
    // The first base directory to open the reader takes them over, once; they are not left for a
    // second base to take as its own as well.
    for (const QString& key : keys)
        settings.setValue(current + "/" + key, settings.value(old + "/" + key));
    settings.remove(old);
}
