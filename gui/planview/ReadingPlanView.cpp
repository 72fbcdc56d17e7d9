// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingPlanView.h"

#include "SelectDateDialog.h"
#include "SelectVerseDialog.h"
#include "foundation/Clock.h"
#include "framework/AppPrinter.h"
#include "framework/CommandIds.h"
#include "framework/TextConvert.h"
#include "framework/Translation.h"
#include "framework/UiServices.h"
#include "plan/ReadingPlanDoc.h"
#include "scripture/Bible.h"
#include "text/PassageFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

const QColor CReadingPlanView::kReadColour(51, 153, 102);
const QColor CReadingPlanView::kOverdueColour(255, 102, 0);

CReadingPlanView::CReadingPlanView(CReadingPlanDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), navigator_(doc) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(QCoreApplication::translate(
        "CReadingPlanView", "Your reading for the day. Double-click a reading to mark it read."));
    doc.AddView(this);

    auto redrawAfter = [this](auto move) {
        return [this, move] {
            move();
            Redraw();
        };
    };
    MapCommand(Cmd::FinishedReading, [this] { OnFinishedReading(); });
    MapDocumentState(Cmd::FinishedReading);
    MapCommand(
        Cmd::ByDate, [this] { OnByDate(); }, [this] { return navigator_.HasAssignments(); });
    MapCommand(
        Cmd::ByVerse, [this] { OnByVerse(); }, [this] { return navigator_.HasAssignments(); });
    MapCommand(Cmd::NextReading, redrawAfter([this] { navigator_.Next(); }),
               [this] { return navigator_.CanNext(); });
    MapCommand(Cmd::PreviousReading, redrawAfter([this] { navigator_.Previous(); }),
               [this] { return navigator_.CanPrevious(); });
    MapCommand(Cmd::FirstReading, redrawAfter([this] { navigator_.First(); }),
               [this] { return navigator_.CanFirst(); });
    MapCommand(Cmd::LastReading, redrawAfter([this] { navigator_.Last(); }),
               [this] { return navigator_.CanLast(); });
    MapCommand(Cmd::FirstUnfinishedReading, redrawAfter([this] { navigator_.GoToFirstUnfinished(); }),
               [this] { return navigator_.HasAssignments(); });
    MapCommand(Cmd::NewPlan, [this] { OnNewPlan(); });
    MapCommand(Cmd::NewPlanFromGallery, [this] { OnNewPlan(true); });
    MapCommand(Cmd::SynchronizeDates, [this] { OnSynchronizeDates(); });
    MapDocumentState(Cmd::SynchronizeDates);
    MapCommand(Cmd::EditCopy, [this] { OnCopy(); });
    MapCommand(Cmd::FilePrint, [this] { OnPrint(); });
    MapCommand(Cmd::FilePrintPreview, [this] { OnPrintPreview(); });
    MapCommand(Cmd::ReadAssignment, [this] { CPassageFrame::Open(FollowedByPassage()); });

    noPlanPrompt_ = new QWidget(this);
    noPlanPrompt_->setObjectName("noPlanPrompt");
    auto* promptLayout = new QVBoxLayout(noPlanPrompt_);
    promptLayout->setContentsMargins(0, 0, 0, 0);
    auto* hint = new QLabel(QCoreApplication::translate(
        "CReadingPlanView",
        "To begin, choose one of the ready plans, or make one with the template editor."));
    hint->setWordWrap(true);
    auto* gallery = new QPushButton(
        QCoreApplication::translate("CReadingPlanView", "Choose a Plan from the &Gallery..."));
    gallery->setObjectName("choosePlan");
    connect(gallery, &QPushButton::clicked, this, [this] { OnNewPlan(true); });
    promptLayout->addWidget(hint);
    promptLayout->addWidget(gallery, 0, Qt::AlignLeft);
    noPlanPrompt_->hide();
}

void CReadingPlanView::UpdateNoPlanPrompt() {
    const bool none = doc_.CountPlanVerses() == 0;
    if (none) {
        // Two lines below the status line, as wide as the window allows.
        const int lh = fontMetrics().height() > 0 ? fontMetrics().height() : 10;
        noPlanPrompt_->setGeometry(0, 2 * lh, std::max(width(), 200), noPlanPrompt_->sizeHint().height());
    }
    noPlanPrompt_->setVisible(none);
}

void CReadingPlanView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    UpdateNoPlanPrompt();
}

// The view runs these commands, but whether they may run is the plan's to say.
void CReadingPlanView::MapDocumentState(int id) {
    MapUpdate(id, [this, id](CCmdUI& ui) { doc_.OnUpdateCmdUI(id, ui); });
}

void CReadingPlanView::OnInitialUpdate() {
    SendProgress();
    navigator_.GoToFirstUnfinished();
    UpdateNoPlanPrompt();
    update();
}

void CReadingPlanView::OnUpdate(CView*, long hint) {
    // A change made elsewhere (Reset Plan, Undo) says which assignment to show.
    if (hint == kHintFirstUnfinished)
        navigator_.GoToFirstUnfinished();
    else if (hint >= kHintShowAssignment &&
             doc_.IsValidElementIndex(static_cast<uint16_t>(hint - kHintShowAssignment)))
        navigator_.SetIndex(static_cast<int>(hint - kHintShowAssignment));
    SendProgress();
    UpdateNoPlanPrompt();
    update();
}

void CReadingPlanView::Redraw() {
    doc_.UpdateAllViews(nullptr);
}

void CReadingPlanView::SendProgress() {
    if (planProgress)
        planProgress(static_cast<uint16_t>(doc_.CountPlanVersesRead()),
                     static_cast<uint16_t>(doc_.CountPlanVerses()));
    if (lifetimeProgress) lifetimeProgress(doc_.CountLifetimeVersesRead(), doc_.GetLifetimeVerseTotal());
}

std::vector<CReadingPlanView::DrawnLine> CReadingPlanView::Layout(int lh, int cw, bool printing,
                                                                  const QColor& textColour) const {
    const int x0 = printing ? 8 * cw : 0;
    const int y0 = printing ? 6 * lh : 0;
    std::vector<DrawnLine> out;
    for (const CPlanNavigator::Line& line : navigator_.Lines(Today(), ShownForms())) {
        QColor colour = textColour;
        if (!printing && line.tone == CPlanNavigator::Tone::read) colour = kReadColour;
        if (!printing && line.tone == CPlanNavigator::Tone::overdue) colour = kOverdueColour;
        out.push_back({QPoint(x0, y0 + line.row * lh), QString::fromStdString(line.text), colour});
    }
    return out;
}

void CReadingPlanView::DrawPlan(QPainter& p, bool printing) {
    QFontMetrics fm = p.fontMetrics();
    const int lh = fm.height() > 0 ? fm.height() : 10;
    const int cw = fm.maxWidth() > 0 ? fm.maxWidth() : 10;
    const QColor textColour = p.pen().color();
    for (const DrawnLine& line : Layout(lh, cw, printing, textColour)) {
        p.setPen(line.colour);
        // Text is placed by its top-left corner.
        p.drawText(QRect(line.position, QSize(100000, lh)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   line.text);
    }
    p.setPen(textColour);
}

void CReadingPlanView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    DrawPlan(p, false);
}

void CReadingPlanView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    // The same font as the drawing, so that the row hit is the row drawn.
    const int lh = fontMetrics().height() > 0 ? fontMetrics().height() : 10;
    const int row = static_cast<int>(e->position().y()) / lh;
    // The line above the readings opens their text.
    for (const CPlanNavigator::Line& line : navigator_.Lines(Today(), ShownForms()))
        if (line.row == row && line.text == navigator_.GetLineText(4, Today(), ShownForms())) {
            CPassageFrame::Open(FollowedByPassage());
            return;
        }
    const int r = navigator_.ReadingAtRow(row);
    if (r < 0) return;
    CPlanElement a = navigator_.Current();
    doc_.ReadRangeOf(static_cast<uint16_t>(navigator_.GetIndex()), a.GetRangeStart(static_cast<uint16_t>(r)),
                     a.GetRangeEnd(static_cast<uint16_t>(r)));
}

void CReadingPlanView::OnFinishedReading() {
    const int index = navigator_.GetIndex();
    if (index < 0) return;
    doc_.FinishElement(static_cast<uint16_t>(index));
    // A reader behind marks one day after another; the last day stays in view, read.
    for (int i = index + 1; i < doc_.GetElementCount(); ++i)
        if (!doc_.IsElementFinished(static_cast<uint16_t>(i))) {
            navigator_.SetIndex(i);
            Redraw();
            break;
        }
}

void CReadingPlanView::OnByDate() {
    const auto& elements = doc_.Elements();
    if (elements.empty()) return;
    CSelectDateDialog dlg(this);
    dlg.earliestDate = elements.front().GetScheduledDate();
    dlg.latestDate = elements.back().GetScheduledDate();
    dlg.SetStartDate(navigator_.Current().GetScheduledDate());
    if (dlg.exec() != QDialog::Accepted) return;
    navigator_.GoToDate(dlg.GetChosenDate());
    Redraw();
}

void CReadingPlanView::OnByVerse() {
    CSelectVerseDialog dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    CBible& bible = TheBible();
    uint16_t v = bible.GetVerseIndex(dlg.verse);
    if (!navigator_.GoToVerse(v))
        doc_.Ui().MessageBox(
            {FromQ(tr("%1 is not in the current reading plan.").arg(ToQ(RangeText(v, v, ShownForms())))),
             MbButtons::ok, MbIcon::exclamation, 0});
    Redraw();
}

void CReadingPlanView::OnCopy() {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard) return;
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(navigator_.CopyText(Today())));
    clipboard->setMimeData(data);
}

void CReadingPlanView::PrintTo(QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) return; // a printer that fails is left silent
    p.setFont(font());
    p.setPen(Qt::black);
    DrawPlan(p, true);
    p.end();
}

void CReadingPlanView::OnPrint() {
    QPrinter& printer = ApplicationPrinter();
    QPrintDialog dlg(&printer, this);
    if (dlg.exec() != QDialog::Accepted) return;
    PrintTo(printer);
}

void CReadingPlanView::OnPrintPreview() {
    QPrinter& printer = ApplicationPrinter();
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* pr) { PrintTo(*pr); });
    preview.exec();
}

void CReadingPlanView::OnNewPlan(bool fromGallery) {
    doc_.NewPlan(fromGallery);
    navigator_.GoToFirstUnfinished();
    Redraw();
}

void CReadingPlanView::OnSynchronizeDates() {
    doc_.OnSynchronizeDates();
}
