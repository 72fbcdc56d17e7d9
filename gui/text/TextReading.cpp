// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextReading.h"

#include <QTimer>
#include <algorithm>

CTextReading::CTextReading(CBibleTextSource& source, QObject* parent) : QObject(parent), source_(source) {
    deadline_ = new QTimer(this);
    deadline_->setSingleShot(true);
    deadline_->setTimerType(Qt::PreciseTimer);
    connect(deadline_, &QTimer::timeout, this, [this] { Finish(); });
}

CTextReading::~CTextReading() {
    Abandon();
}

void CTextReading::Abandon() {
    // After Cancel no answer of the old read reaches this object.
    if (read_) read_->Cancel();
    read_.reset();
    deadline_->stop();
}

void CTextReading::Read(CTextRequest request, Done done, std::chrono::milliseconds patience) {
    Abandon();
    const quint64 serial = ++serial_;
    done_ = std::move(done);
    read_ = source_.Start(std::move(request), [this, serial] {
        // On the reader's thread: the answer is taken on this object's own.
        QMetaObject::invokeMethod(
            this,
            [this, serial] {
                if (serial == serial_) Finish();
            },
            Qt::QueuedConnection);
    });
    if (patience.count() > 0) read_->Wait(patience);
    Finish();
}

void CTextReading::Finish() {
    if (!read_) return;
    std::optional<CTextAnswer> answer = read_->Answer();
    if (!answer) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(read_->Deadline() -
                                                                       std::chrono::steady_clock::now());
        deadline_->start(static_cast<int>(std::max<std::chrono::milliseconds::rep>(1, left.count() + 1)));
        return;
    }
    Abandon();
    Done done = std::move(done_);
    done_ = nullptr;
    if (done) done(*answer);
}
