// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectDateDialog.h"

#include "DayButton.h"
#include "DialogUnits.h"
#include "framework/HelpService.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int kFirstCellId = 1076;
} // namespace

CSelectDateDialog::CSelectDateDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CSelectDateDialog", "Scrivane - Select Date"));
    earliestDate.SetDate(1900, 1, 1);
    latestDate.SetDate(3000, 1, 1);
    CDialogUnits du(this);
    setFixedSize(du.Size(202, 170));

    previous_ = new QPushButton("<<", this);
    previous_->setGeometry(du.Rect(15, 10, 24, 14));
    previous_->setAutoDefault(false);
    SetControlId(previous_, 1074);
    next_ = new QPushButton(">>", this);
    next_->setGeometry(du.Rect(165, 10, 24, 14));
    next_->setAutoDefault(false);
    SetControlId(next_, 1075);
    caption_ = new QLineEdit(this);
    caption_->setReadOnly(true);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setFocusPolicy(Qt::NoFocus);
    caption_->setGeometry(du.Rect(45, 10, 114, 14));
    SetControlId(caption_, 1052);
    for (int c = 0; c < 7; ++c) {
        auto* head = new QLabel(QLocale().dayName(c == 0 ? 7 : c, QLocale::ShortFormat).toUpper(), this);
        head->setAlignment(Qt::AlignCenter);
        head->setGeometry(du.Rect(15 + 25 * c, 32, 24, 10));
    }
    for (int k = 0; k < 42; ++k) {
        auto* b = new CDayButton(this);
        b->setGeometry(du.Rect(15 + 25 * (k % 7), 45 + 15 * (k / 7), 24, 14));
        SetControlId(b, kFirstCellId + k);
        connect(b, &QPushButton::clicked, this, [this, b] { DayPressed(b); });
        b->installEventFilter(this);
        cells_[static_cast<size_t>(k)] = b;
    }
    auto* ok = new QPushButton(QCoreApplication::translate("CSelectDateDialog", "OK"), this);
    ok->setGeometry(du.Rect(40, 145, 50, 14));
    ok->setDefault(true);
    SetControlId(ok, 1);
    auto* cancel = new QPushButton(QCoreApplication::translate("CSelectDateDialog", "Cancel"), this);
    cancel->setGeometry(du.Rect(110, 145, 50, 14));
    SetControlId(cancel, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(next_, &QPushButton::clicked, this, &CSelectDateDialog::OnNextMonth);
    connect(previous_, &QPushButton::clicked, this, &CSelectDateDialog::OnPreviousMonth);
    SetStartDate(earliestDate);
    std::set<int> helpControls = {1, 2, 1052, 1074, 1075};
    for (int k = 0; k < 42; ++k)
        helpControls.insert(kFirstCellId + k);
    CHelpService::InstallDialogHelp(this, 176, helpControls);
}

void CSelectDateDialog::SetStartDate(const CJJulian& start) {
    CJJulian d = start;
    if (d < earliestDate) d = earliestDate;
    if (d > latestDate) d = latestDate;
    selectedDay_ = d.GetDay();
    monthStart_ = d;
    monthStart_.SetDate(d.GetYear(), d.GetMonth(), 1);
    firstWeekday_ = monthStart_.GetWeekday();
    monthLength_ = monthStart_.AddMonths(1).AddDays(-1).GetDay();
}

void CSelectDateDialog::showEvent(QShowEvent* e) {
    Refresh();
    QDialog::showEvent(e);
    // The keyboard starts on the chosen day.
    for (CDayButton* c : cells_)
        if (c->GetState() == 3) c->setFocus();
}

bool CSelectDateDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* cell = qobject_cast<CDayButton*>(watched);
    if (!cell || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -7;
        break;
    case Qt::Key_Down:
        step = 7;
        break;
    default:
        return QDialog::eventFilter(watched, event);
    }
    // The arrows choose the next day that can be chosen; at the month's ends they stay.
    auto at = std::find(cells_.begin(), cells_.end(), cell);
    for (int k = static_cast<int>(at - cells_.begin()) + step; k >= 0 && k < 42; k += step) {
        CDayButton* next = cells_[static_cast<size_t>(k)];
        if (next->GetState() == 0) break;
        if (next->GetState() == 1) continue;
        DayPressed(next);
        next->setFocus();
        break;
    }
    return true;
}

QString CSelectDateDialog::Caption() const {
    return caption_->text();
}

void CSelectDateDialog::Refresh() {
    const int year = monthStart_.GetYear(), month = monthStart_.GetMonth();
    const bool earliestMonth = year == earliestDate.GetYear() && month == earliestDate.GetMonth();
    const bool latestMonth = year == latestDate.GetYear() && month == latestDate.GetMonth();
    const int earliestDay = earliestDate.GetDay(), latestDay = latestDate.GetDay();
    previous_->setEnabled(!earliestMonth);
    next_->setEnabled(!latestMonth);
    caption_->setText(QLocale().standaloneMonthName(month) + ' ' + QString::number(year));
    int day = 0;
    for (int k = 0; k < 42; ++k) {
        if (day == 0 && k >= 1 && k <= 7 && (k % 7) + 1 == firstWeekday_) day = 1;
        CDayButton* b = cells_[static_cast<size_t>(k)];
        if (day == 0 || day > monthLength_) {
            b->Set(0, 1);
        } else {
            int state = day == selectedDay_ ? 3 : 2;
            if ((earliestMonth && day < earliestDay) || (latestMonth && day > latestDay)) state = 1;
            b->Set(state, day);
            ++day;
        }
        b->setEnabled(b->GetState() == 2 || b->GetState() == 3);
        // The cell draws only its number; a screen reader is told the whole date.
        b->setAccessibleName(b->GetState() == 0 ? QString()
                                                : QCoreApplication::translate("Accessibility", "%1 %2")
                                                      .arg(b->GetDay())
                                                      .arg(caption_->text()));
        b->update();
    }
}

void CSelectDateDialog::ChangeMonth(int delta) {
    CJJulian n = monthStart_.AddMonths(delta);
    CJJulian d = n;
    d.SetDate(n.GetYear(), n.GetMonth(), static_cast<int16_t>(selectedDay_));
    while (d.GetMonth() != n.GetMonth())
        d = d.AddDays(-1);
    SetStartDate(d);
    Refresh();
}

void CSelectDateDialog::OnNextMonth() {
    ChangeMonth(1);
}
void CSelectDateDialog::OnPreviousMonth() {
    ChangeMonth(-1);
}

void CSelectDateDialog::DayPressed(CDayButton* b) {
    if (b->GetState() != 2) return;
    for (CDayButton* c : cells_)
        c->Unselect();
    selectedDay_ = b->GetDay();
    b->Set(3, selectedDay_);
    b->repaint();
}

CJJulian CSelectDateDialog::GetChosenDate() const {
    CJJulian d;
    d.SetDateTime(monthStart_.GetYear(), monthStart_.GetMonth(), static_cast<int16_t>(selectedDay_), 1, 0, 0,
                  0);
    return d;
}
