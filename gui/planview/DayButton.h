// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPushButton>

// One cell of the date picker's month grid: empty (0), a day outside the
// allowed range (1), a selectable day (2) or the selected day (3).
class CDayButton : public QPushButton {
    Q_OBJECT
public:
    explicit CDayButton(QWidget* parent = nullptr);
    void Set(int state, int day);
    int GetDay() const { return day_; }
    int GetState() const { return state_; }
    void Unselect();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int day_ = 1;
    int state_ = 1;
};
