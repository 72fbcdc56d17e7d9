// SPDX-License-Identifier: GPL-3.0-or-later
#include "DayButton.h"

#include <QPainter>

CDayButton::CDayButton(QWidget* parent) : QPushButton(parent) {
    // Days take the focus, so that a keyboard can pick one; Enter goes on to
    // the dialog's OK instead of pressing the day. Tab stops at the chosen day
    // only: the arrows move among the days, as in any month grid.
    setFocusPolicy(Qt::ClickFocus);
    setAutoDefault(false);
    setFlat(true);
}

void CDayButton::Set(int state, int day) {
    state_ = state < 0 || state > 3 ? 1 : state;
    day_ = day <= 0 ? 1 : day;
    setFocusPolicy(state_ == 3 ? Qt::StrongFocus : Qt::ClickFocus);
    setAccessibleName(state_ == 0 ? QString() : QString::number(day_));
}

void CDayButton::Unselect() {
    if (state_ != 3) return;
    state_ = 2;
    setFocusPolicy(Qt::ClickFocus);
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
        colour = palette().color(QPalette::Link); // blue, or what stands out as blue does in a theme
    p.setPen(colour);
    if (state_ == 3) {
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
    }
    p.drawText(rect(), Qt::AlignHCenter | Qt::AlignVCenter, QString::number(day_));
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
