// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "coverage/GapsPlan.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QSpinBox;

// New Plan from Unread Chapters: how many days the plan runs and on which
// weekdays it has a reading.
class CUnreadPlanDialog : public QDialog {
    Q_OBJECT
public:
    CUnreadPlanDialog(size_t unreadChapters, QWidget* parent = nullptr);

    // The request from the dialog's fields, starting today.
    GapsPlanRequest Request() const;
    void SetRequest(const GapsPlanRequest& request);

    QSpinBox* DaysBox() const { return days_; }
    QCheckBox* WeekdayBox(int weekday) const { return weekdays_[static_cast<size_t>(weekday - 1)]; }

    void accept() override;

private:
    QSpinBox* days_;
    std::array<QCheckBox*, 7> weekdays_{};
};
