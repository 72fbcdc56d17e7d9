// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) into
// an ordinary close on the event loop, so that documents and the reader file
// are written as at Exit instead of being lost with the process.
class CQuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit CQuitOnSignal(std::function<void()> close, QObject* parent = nullptr);
    ~CQuitOnSignal() override;

private:
    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
};
