// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

class QPlainTextEdit;

// Keeps what is typed in a notes editor: saves a moment after the typing
// stops and when the editor loses the focus, so that a crash or a forced
// logout loses at most those last seconds.
class CAutosave : public QObject {
public:
    static constexpr int kDelayMs = 2000;

    CAutosave(QPlainTextEdit* editor, std::function<void()> save);
    // Saves now what is pending (nothing when nothing was typed since the last save).
    void SaveNow();
    // Saves no more: the view goes away, and the focus leaving its editor then must not reach it.
    void Stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> save_;
    QTimer timer_;
};
