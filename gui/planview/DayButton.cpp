// SPDX-License-Identifier: GPL-3.0-or-later
#include "DayButton.h"

#include <QPainter>

CDayButton::CDayButton(QWidget* parent) : QPushButton(parent) {
    // Days take the focus, so that a keyboard can pick one; Enter goes on to
    // the dialog's OK instead of pressing the day.
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    setFlat(true);
}

void CDayButton::Set(int state, int day) {
    state_ = state < 0 || state > 3 ? 1 : state;
    day_ = day <= 0 ? 1 : day;
    setAccessibleName(state_ == 0 ? QString() : QString::number(day_));
}

void CDayButton::Unselect() {
    if (state_ != 3) return;
    state_ = 2;
    repaint();
}

void CDayButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    if (state_ == 0) return;
    QColor colour = palette().color(QPalette::ButtonText);
    if (state_ == 1)
        colour = palette().color(QPalette::Disabled, QPalette::WindowText);
    else if (state_ == 3)
        colour = QColor(0, 0, 255);
    p.setPen(colour);
    p.drawText(rect(), Qt::AlignHCenter | Qt::AlignVCenter, QString::number(day_));
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
