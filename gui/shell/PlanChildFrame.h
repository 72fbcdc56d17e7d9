// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/MdiChildFrame.h"

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
struct PlanSchedule;

// The reading plan window, with a strip of two progress bars at the bottom:
// the current plan and the lifetime reading of the whole Bible.
class CPlanChildFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    CPlanChildFrame();

    void SetPlanProgress(uint16_t read, uint16_t total);
    void SetLifetimeProgress(uint16_t read, uint16_t total);
    // Where the plan stands, beside the bars: "Day 34 of 365" and "3 behind",
    // with Synchronize Dates at hand when behind.
    void SetSchedule(const PlanSchedule& schedule);
    std::function<void()> synchronize;
    QLabel* ScheduleDay() const { return scheduleDay_; }
    QLabel* ScheduleStatus() const { return scheduleStatus_; }
    QPushButton* SynchronizeButton() const { return synchronizeButton_; }

    QWidget* ProgressStrip() const { return strip_; }
    // The last change the reader made, in a line of the strip whose accessible name is its text, so
    // that a screen reader hears the change as it is made.
    void Announce(const QString& change);
    QLabel* LastChange() const { return lastChange_; }

protected:
    QWidget* WrapView(QWidget* view) override;
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        uint16_t read = 0;
        uint16_t total = 0;
        QProgressBar* bar = nullptr;
        QLineEdit* percent = nullptr;
    };
    static void ShowRow(Row& row, uint16_t read);
    void ShowStatusColour();

    QWidget* strip_ = nullptr;
    Row lifetime_;
    Row plan_;
    QLabel* scheduleDay_ = nullptr;
    QLabel* scheduleStatus_ = nullptr;
    bool statusBehind_ = false;
    QPushButton* synchronizeButton_ = nullptr;
    QLabel* lastChange_ = nullptr;
};
