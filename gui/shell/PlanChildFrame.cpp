// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanChildFrame.h"

#include "coverage/PlanSchedule.h"
#include "framework/HelpService.h"
#include "framework/ResourceIcon.h"
#include "framework/Theme.h"
#include "framework/Translation.h"
#include "plan/FormatPercent.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Gives a widget that takes no focus of its own the focus when it is clicked.
class CClickFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType())
            static_cast<QWidget*>(watched)->setFocus(Qt::MouseFocusReason);
        return false;
    }
};

} // namespace

CPlanChildFrame::CPlanChildFrame() : CMdiChildFrame(129, ResourceIcon(":/images/plan.png")) {
    // Owned by the frame until the view is put in.
    strip_ = new QWidget(this);
    strip_->hide();
    strip_->setObjectName("172");
    auto* grid = new QGridLayout(strip_);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setVerticalSpacing(2);
    struct {
        int labelId, barId, boxId;
        const char* text;
        Row* row;
        QString barName, boxName;
    } rows[] = {{1131, 1065, 1055, QT_TRANSLATE_NOOP("CPlanChildFrame", "Reading Plan Completed"), &plan_,
                 QCoreApplication::translate("Accessibility", "Reading plan completed"),
                 QCoreApplication::translate("Accessibility", "Reading plan completed, percent")},
                {1132, 1066, 1053, QT_TRANSLATE_NOOP("CPlanChildFrame", "Lifetime Bible Reading"), &lifetime_,
                 QCoreApplication::translate("Accessibility", "Lifetime Bible reading"),
                 QCoreApplication::translate("Accessibility", "Lifetime Bible reading, percent")}};
    auto* clickFocus = new CClickFocus(strip_);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    int line = 0;
    for (auto& r : rows) {
        auto* label = new QLabel(tr(r.text));
        label->setObjectName(QString::number(r.labelId));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* bar = new QProgressBar;
        bar->setObjectName(QString::number(r.barId));
        bar->setAccessibleName(r.barName);
        bar->setTextVisible(false);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setMinimumWidth(190);
        bar->setMaximumHeight(14);
        auto* box = new QLineEdit;
        box->setObjectName(QString::number(r.boxId));
        box->setAccessibleName(r.boxName);
        box->setReadOnly(true);
        box->setFrame(false);
        box->setFont(fixed);
        box->setFixedWidth(QFontMetrics(fixed).horizontalAdvance("100.00%") + 8);
        // On the strip's own background. A palette, not a style sheet: a style
        // sheet puts the whole style machinery of sheets behind every paint.
        QPalette clear = box->palette();
        clear.setColor(QPalette::Base, Qt::transparent);
        box->setPalette(clear);
        // A click puts the focus on any of the strip's controls, so that F1 can
        // ask about it. A caption that takes focus itself is laid out and drawn
        // as a rich text document; it is given the focus on a click instead.
        label->installEventFilter(clickFocus);
        bar->setFocusPolicy(Qt::ClickFocus);
        grid->addWidget(label, line, 0);
        grid->addWidget(bar, line, 1);
        grid->addWidget(box, line, 2);
        r.row->bar = bar;
        r.row->percent = box;
        if (r.row == &lifetime_) {
            // The bar counts readings outside the current plan; a reader who just finished a
            // reading and sees it stand still should learn why, not suspect a fault.
            const QString why =
                tr("Verses of the Bible you have read outside the current plan and in earlier "
                   "plans.\nThe current plan's first readings join it when the plan is reset or "
                   "replaced by a new one.");
            label->setToolTip(why);
            bar->setToolTip(why);
            box->setToolTip(why);
        }
        ++line;
    }
    grid->setColumnStretch(1, 1);
    scheduleDay_ = new QLabel;
    scheduleDay_->setObjectName("scheduleDay");
    scheduleStatus_ = new QLabel;
    scheduleStatus_->setObjectName("scheduleStatus");
    synchronizeButton_ = new QPushButton(QCoreApplication::translate("CPlanChildFrame", "Synchronize Dates"));
    synchronizeButton_->setObjectName("scheduleSynchronize");
    synchronizeButton_->setToolTip(QCoreApplication::translate(
        "CPlanChildFrame", "Move the unfinished readings onto new dates from today"));
    synchronizeButton_->hide();
    connect(synchronizeButton_, &QPushButton::clicked, this, [this] {
        if (synchronize) synchronize();
    });
    auto* statusLine = new QHBoxLayout;
    statusLine->setContentsMargins(0, 0, 0, 0);
    statusLine->addWidget(scheduleStatus_);
    statusLine->addWidget(synchronizeButton_);
    grid->addWidget(scheduleDay_, 0, 3);
    grid->addLayout(statusLine, 1, 3);
    lastChange_ = new QLabel;
    lastChange_->setObjectName("lastChange");
    lastChange_->setAccessibleDescription(QCoreApplication::translate("Accessibility", "Last change"));
    lastChange_->setTextFormat(Qt::PlainText);
    grid->addWidget(lastChange_, 2, 0, 1, 4);
    lastChange_->hide();
    ShowRow(plan_, 0);
    ShowRow(lifetime_, 0);
}

QWidget* CPlanChildFrame::WrapView(QWidget* view) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // A large text scrolls rather than being cut off; the view takes the room there is.
    auto* scroller = new QScrollArea;
    scroller->setObjectName("planScroller");
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setBackgroundRole(QPalette::Base);
    scroller->setWidget(view);
    scroller->setFocusProxy(view);
    scroller->setAccessibleName(view->accessibleName());
    layout->addWidget(scroller, 1);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addWidget(strip_);
    strip_->show();
    CHelpService::InstallControlHelp(strip_, {1053, 1055, 1065, 1066, 1131, 1132});
    return box;
}

void CPlanChildFrame::ShowRow(Row& row, uint16_t read) {
    row.read = std::min(read, row.total);
    // Every key of a paging burst comes here: a line edit given its own text
    // again repaints, so only a new figure is set.
    const QString percent = QString::fromStdString(FormatPercent(row.read, row.total));
    if (row.percent->text() != percent) {
        row.percent->setText(percent);
        row.percent->setCursorPosition(0);
    }
    if (row.total != 0) {
        row.bar->setRange(0, row.total);
        row.bar->setValue(row.read);
    } else {
        row.bar->setRange(0, 100);
        row.bar->setValue(0);
    }
}

void CPlanChildFrame::SetPlanProgress(uint16_t read, uint16_t total) {
    plan_.total = total;
    ShowRow(plan_, read);
}

void CPlanChildFrame::SetLifetimeProgress(uint16_t read, uint16_t total) {
    lifetime_.total = total;
    ShowRow(lifetime_, read);
}

void CPlanChildFrame::SetSchedule(const PlanSchedule& schedule) {
    const bool shown = schedule.HasPlan();
    scheduleDay_->setText(shown ? QString::fromStdString(schedule.DayText(ShownForms())) : QString());
    scheduleStatus_->setText(shown ? QString::fromStdString(schedule.StatusText(ShownForms())) : QString());
    const bool behind = shown && schedule.Behind() != 0;
    // Shown in the overdue colour of the plan window when behind. Changed only
    // when it changes: a new font or palette lays the strip out anew.
    if (behind != statusBehind_) {
        statusBehind_ = behind;
        QFont font;
        font.setBold(behind);
        scheduleStatus_->setFont(font);
        ShowStatusColour();
    }
    synchronizeButton_->setVisible(behind);
}

void CPlanChildFrame::Announce(const QString& change) {
    // The same sentence again is still news: the name is cleared first, so that it changes.
    if (lastChange_->text() == change) lastChange_->clear();
    lastChange_->setText(change);
    lastChange_->show();
}

void CPlanChildFrame::ShowStatusColour() {
    // Only the colour is set; the rest follows the window's. The overdue colour is the theme's,
    // chosen for the strip's background.
    QPalette palette;
    if (statusBehind_)
        palette.setColor(QPalette::WindowText, MarkColoursFor(QPalette(), QPalette::Window).overdue);
    scheduleStatus_->setPalette(palette);
}

void CPlanChildFrame::changeEvent(QEvent* event) {
    CMdiChildFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && statusBehind_) ShowStatusColour();
}
