// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"

#include <QDialog>
#include <array>

class CDayButton;
class QLineEdit;
class QPushButton;

// Picks one day of a month grid, limited to the days from the earliest to the
// latest date.
class CSelectDateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSelectDateDialog(QWidget* parent = nullptr);

    CJJulian earliestDate;
    CJJulian latestDate;

    void SetStartDate(const CJJulian& d);
    CJJulian GetChosenDate() const;

    // What the grid shows, for the tests and the accessibility tree.
    CDayButton* Cell(int k) const { return cells_[static_cast<size_t>(k)]; }
    QPushButton* PreviousButton() const { return previous_; }
    QPushButton* NextButton() const { return next_; }
    QString Caption() const;
    int SelectedDay() const { return selectedDay_; }

public slots:
    void OnNextMonth();
    void OnPreviousMonth();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void ChangeMonth(int delta);
    void DayPressed(CDayButton* b);

    int selectedDay_ = 1;
    CJJulian monthStart_;
    int firstWeekday_ = 1;
    int monthLength_ = 31;
    std::array<CDayButton*, 42> cells_{};
    QLineEdit* caption_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
};
