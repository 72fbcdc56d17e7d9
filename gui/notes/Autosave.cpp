// SPDX-License-Identifier: GPL-3.0-or-later
#include "Autosave.h"

#include <QEvent>
#include <QPlainTextEdit>

CAutosave::CAutosave(QPlainTextEdit* editor, std::function<void()> save)
    : QObject(editor), save_(std::move(save)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { SaveNow(); });
    // Each keystroke starts the wait again: the file is written once the reader pauses.
    connect(editor, &QPlainTextEdit::textChanged, &timer_, qOverload<>(&QTimer::start));
    editor->installEventFilter(this);
}

void CAutosave::SaveNow() {
    timer_.stop();
    if (save_) save_();
}

void CAutosave::Stop() {
    timer_.stop();
    save_ = nullptr;
}

bool CAutosave::eventFilter(QObject* watched, QEvent* event) {
    // A pop-up menu or the find dialog taking the focus is no leaving of the window.
    if (event->type() == QEvent::FocusOut && timer_.isActive() && save_) {
        auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason) SaveNow();
    }
    return QObject::eventFilter(watched, event);
}
