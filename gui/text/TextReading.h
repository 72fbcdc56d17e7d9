// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "text/BibleTextSource.h"

#include <QObject>
#include <functional>
#include <memory>

class QTimer;

// Bible text for a window that must never wait on it: the answer comes to
// `done`, on the window's thread, at once when the text is quick, otherwise
// when it arrives, or when the time limit passes with the message that the
// module gave none (the read itself is then left to its thread). Only the
// latest read is answered.
class CTextReading : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const CTextAnswer&)>;
    // How long a window waits for the text before it goes on without it: a page of text is read
    // in a few milliseconds, and showing it at once spares the reader a page that changes a
    // moment later.
    static constexpr std::chrono::milliseconds kPatience{250};
    CTextReading(CBibleTextSource& source, QObject* parent);
    ~CTextReading() override;

    // Waits up to `patience` for the answer before it returns (a read ahead waits for nothing).
    void Read(CTextRequest request, Done done, std::chrono::milliseconds patience = kPatience);
    // The answer of the read under way is no longer wanted.
    void Cancel() { Abandon(); }
    // A read is under way: its answer is still to come.
    bool Busy() const { return read_ != nullptr; }

private:
    void Abandon();
    // Hands the answer over when there is one, else waits for the deadline.
    void Finish();

    CBibleTextSource& source_;
    std::shared_ptr<CTextRead> read_;
    Done done_;
    QTimer* deadline_ = nullptr;
    quint64 serial_ = 0;
};
