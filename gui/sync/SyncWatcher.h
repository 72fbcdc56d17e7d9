// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "sync/Sync.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

// Merges the open reader with the other computers: when the environment opens, when the sync
// folder changes, and every half minute (which also sends this computer's new changes out).
// The program's windows come in through the hooks: the files are saved before a merge and read
// again after one that changed them.
class CSyncWatcher : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<std::optional<SyncPaths>()> paths; // the open reader's files; none when closed
        std::function<void()> save;
        std::function<void()> reload;
        std::function<void()> renumber; // the merge added to the journal only
        std::function<void(const QString&)> status;
    };
    CSyncWatcher(Hooks hooks, QObject* parent);

    // Starts watching the open reader (or stops, when it is not linked).
    void Start();
    void Stop();
    // Merges now; what the status bar said, or the problem.
    SyncResult SyncNow();

    // The day of an entry's local time as the windows show days.
    static QString EntryDay(const std::string& time);
    // "Merged 3 readings from laptop (Tue 01/05/2027)", or empty when nothing came.
    static QString MergedMessage(const SyncResult& result);

private:
    void Rewatch();

    Hooks hooks_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer poll_;
    QString lastProblem_;
    bool running_ = false;
};
