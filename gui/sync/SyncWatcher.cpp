// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncWatcher.h"

#include "foundation/JJulian.h"
#include "foundation/Translatable.h"
#include "framework/Translation.h"
#include "journal/Journal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

QString CSyncWatcher::EntryDay(const std::string& time) {
    int y = 0, m = 0, d = 0;
    if (time.size() < 10 || std::sscanf(time.c_str(), "%d-%d-%d", &y, &m, &d) != 3) return QString();
    return DateText(CJJulian::Day(int16_t(y), int16_t(m), int16_t(d)));
}

CSyncWatcher::CSyncWatcher(Hooks hooks, QObject* parent) : QObject(parent), hooks_(std::move(hooks)) {
    // A sync tool writes a file in several steps: one merge once it has settled.
    settle_.setSingleShot(true);
    settle_.setInterval(1500);
    poll_.setInterval(30000);
    connect(&settle_, &QTimer::timeout, this, [this] { SyncNow(); });
    connect(&poll_, &QTimer::timeout, this, [this] { SyncNow(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
}

void CSyncWatcher::Start() {
    Stop();
    const std::optional<SyncPaths> paths = hooks_.paths();
    if (!paths || !ReadSyncLink(paths->readerDirectory)) return;
    lastProblem_.clear();
    SyncNow();
    poll_.start();
}

void CSyncWatcher::Stop() {
    settle_.stop();
    poll_.stop();
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
}

void CSyncWatcher::Rewatch() {
    const std::optional<SyncPaths> paths = hooks_.paths();
    const std::optional<SyncLink> link = paths ? ReadSyncLink(paths->readerDirectory) : std::nullopt;
    if (!link) return;
    // The folder for journals that arrive or are replaced; each journal for lines appended in place.
    const QString dir = QString::fromStdString(link->folder + "/" + link->readerId);
    if (!watcher_.directories().contains(dir)) watcher_.addPath(dir);
    for (const QFileInfo& f : QDir(dir).entryInfoList({QStringLiteral("*.jsonl")}, QDir::Files))
        if (!watcher_.files().contains(f.filePath())) watcher_.addPath(f.filePath());
}

SyncResult CSyncWatcher::SyncNow() {
    const std::optional<SyncPaths> paths = hooks_.paths();
    if (!paths || running_) return {};
    if (!ReadSyncLink(paths->readerDirectory)) {
        Stop();
        SyncResult none;
        none.ok = false;
        none.problem = TR_NOOP("Core", "This reader is not linked to a sync folder.");
        return none;
    }
    running_ = true;
    hooks_.save();
    const SyncResult result = Synchronize(*paths, DeviceId());
    if (result.changed)
        hooks_.reload();
    else if (result.journalWritten)
        hooks_.renumber();
    running_ = false;
    Rewatch();
    // A problem is said once, until it changes or goes; the reader works on meanwhile.
    QString problem = result.ok ? QString() : TrCore(result.problem);
    if (problem.isEmpty() && !result.skipped.empty()) problem = TrCore(result.skipped.front());
    if (!problem.isEmpty() && problem != lastProblem_) hooks_.status(problem);
    lastProblem_ = problem;
    if (const QString merged = MergedMessage(result); !merged.isEmpty()) hooks_.status(merged);
    return result;
}

QString CSyncWatcher::MergedMessage(const SyncResult& result) {
    QStringList parts;
    for (const DeviceReport& d : result.devices) {
        if (d.newReadings == 0) continue;
        const QString device = QString::fromStdString(d.device);
        parts << (d.newReadings == 1
                      ? QCoreApplication::translate("Sync", "Merged 1 reading from %1 (%2)")
                            .arg(device, EntryDay(d.lastTime))
                      : QCoreApplication::translate("Sync", "Merged %1 readings from %2 (%3)")
                            .arg(QString::number(d.newReadings), device, EntryDay(d.lastTime)));
    }
    if (parts.isEmpty() && result.changed)
        return QCoreApplication::translate("Sync", "Merged the changes made on the other computers");
    return parts.join(QStringLiteral("; "));
}
