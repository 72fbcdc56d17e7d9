// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingPlanView.h"

#include "PlanViewAccessible.h"
#include "SelectDateDialog.h"
#include "SelectVerseDialog.h"
#include "foundation/Clock.h"
#include "framework/AppPrinter.h"
#include "framework/CommandIds.h"
#include "framework/DrawnViewAccessible.h"
#include "framework/TextConvert.h"
#include "framework/TextZoom.h"
#include "framework/Theme.h"
#include "framework/Translation.h"
#include "framework/UiServices.h"
#include "plan/FormatPercent.h"
#include "plan/ReadingPlanDoc.h"
#include "scripture/Bible.h"
#include "text/PassageFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>
#include <algorithm>

CReadingPlanView::CReadingPlanView(CReadingPlanDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), navigator_(doc) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(QCoreApplication::translate(
        "CReadingPlanView", "Your reading for the day. Double-click a reading to mark it read."));
    InstallPlanViewAccessible();
    setAccessibleName(QCoreApplication::translate("Accessibility", "Reading plan"));
    doc.AddView(this);

    auto redrawAfter = [this](auto move) {
        return [this, move] {
            move();
            Redraw();
        };
    };
    MapCommand(Cmd::FinishedReading, [this] { OnFinishedReading(); });
    MapDocumentState(Cmd::FinishedReading);
    // Undo and Redo are the plan's; the view runs them so that it can tell what they did.
    MapCommand(Cmd::EditUndo, [this] {
        const QString name = TrCore(doc_.UndoName());
        doc_.Undo();
        Announce(tr("Undone: %1").arg(name));
    });
    MapDocumentState(Cmd::EditUndo);
    MapCommand(Cmd::EditRedo, [this] {
        const QString name = TrCore(doc_.RedoName());
        doc_.Redo();
        Announce(tr("Redone: %1").arg(name));
    });
    MapDocumentState(Cmd::EditRedo);
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
    for (const ZoomCommand& c : TextZoomCommands(
             *this, [&doc] { return doc.Reader().fileStem; }, "Plan/Zoom"))
        MapCommand(c.id, c.run, c.enabled);

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

QSize CReadingPlanView::ContentSize() const {
    const QFontMetrics fm = fontMetrics();
    const int lh = LineHeight();
    QSize size;
    for (const DrawnLine& line : Layout(lh, 10, false, Qt::black)) {
        const QString drawn = line.read ? line.text + "  " + QChar(0x2713) : line.text;
        size =
            size.expandedTo(QSize(line.position.x() + fm.horizontalAdvance(drawn), line.position.y() + lh));
    }
    if (!noPlanPrompt_->isHidden())
        size = size.expandedTo(QSize(noPlanPrompt_->minimumSizeHint().width(),
                                     noPlanPrompt_->y() + noPlanPrompt_->sizeHint().height()));
    return size + QSize(4, 4);
}

void CReadingPlanView::UpdateExtent() {
    const QSize wanted = ContentSize();
    if (minimumSize() != wanted) setMinimumSize(wanted);
}

void CReadingPlanView::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // The zoom sets the font while the view is still being made.
    if (e->type() == QEvent::FontChange && noPlanPrompt_) {
        UpdateNoPlanPrompt();
        UpdateExtent();
    }
}

void CReadingPlanView::BringIntoView(const QRect& r) {
    if (auto* area = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        area->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 8, r.height() / 2 + 8);
}

// The view runs these commands, but whether they may run is the plan's to say.
void CReadingPlanView::MapDocumentState(int id) {
    MapUpdate(id, [this, id](CCmdUI& ui) { doc_.OnUpdateCmdUI(id, ui); });
}

void CReadingPlanView::OnInitialUpdate() {
    SendProgress();
    navigator_.GoToFirstUnfinished();
    UpdateNoPlanPrompt();
    UpdateExtent();
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
    UpdateExtent();
    update();
    CDrawnViewAccessible::ItemsChanged(this);
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
    const MarkColours marks = MarkColoursFor(palette());
    for (const CPlanNavigator::Line& line : navigator_.Lines(Today(), ShownForms())) {
        QColor colour = textColour;
        if (!printing && line.tone == CPlanNavigator::Tone::read) colour = marks.read;
        if (!printing && line.tone == CPlanNavigator::Tone::overdue) colour = marks.overdue;
        out.push_back({QPoint(x0, y0 + line.row * lh), QString::fromStdString(line.text), colour,
                       line.tone == CPlanNavigator::Tone::read});
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
        // Read and unread differ in more than their colour.
        if (line.read && !printing)
            p.drawText(
                QRect(line.position + QPoint(fm.horizontalAdvance(line.text + "  "), 0), QSize(100000, lh)),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString(QChar(0x2713)));
    }
    p.setPen(textColour);
}

void CReadingPlanView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    DrawPlan(p, false);
    const int focused = FocusedReading();
    if (!hasFocus() || focused < 0) return;
    for (const DrawnLine& line : Layout(LineHeight(), 10, false, Qt::black))
        if (navigator_.ReadingAtRow(line.position.y() / LineHeight()) == focused) {
            QStyleOptionFocusRect frame;
            frame.initFrom(this);
            frame.rect =
                QRect(line.position, QSize(p.fontMetrics().horizontalAdvance(line.text) + 4, LineHeight()));
            // A frame that shows in every theme, and the style's own.
            p.setPen(QPen(FocusFrameColour(palette()), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(frame.rect.adjusted(0, 0, -1, -1));
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
        }
}

int CReadingPlanView::LineHeight() const {
    return fontMetrics().height() > 0 ? fontMetrics().height() : 10;
}

int CReadingPlanView::FocusedReading() const {
    const int count = navigator_.ShowsStatusOnly() ? 0 : navigator_.Current().GetRangeCount();
    return count == 0 ? -1 : std::min(focusedReading_, count - 1);
}

void CReadingPlanView::SetFocusedReading(int reading) {
    focusedReading_ = std::max(reading, 0);
    const int focused = FocusedReading();
    for (const DrawnLine& line : Layout(LineHeight(), 10, false, Qt::black))
        if (focused >= 0 && navigator_.ReadingAtRow(line.position.y() / LineHeight()) == focused)
            BringIntoView(
                QRect(line.position, QSize(fontMetrics().horizontalAdvance(line.text), LineHeight())));
    update();
    CDrawnViewAccessible::FocusMoved(this);
}

void CReadingPlanView::MarkRead(int r) {
    if (r < 0 || r >= navigator_.Current().GetRangeCount()) return;
    CPlanElement a = navigator_.Current();
    doc_.ReadRangeOf(static_cast<uint16_t>(navigator_.GetIndex()), a.GetRangeStart(static_cast<uint16_t>(r)),
                     a.GetRangeEnd(static_cast<uint16_t>(r)));
    AnnounceLastStep();
}

void CReadingPlanView::AnnounceLastStep() {
    if (doc_.CanUndo()) Announce(TrCore(doc_.UndoName()));
}

void CReadingPlanView::Announce(const QString& what) {
    if (!announce) return;
    const QString percent = QString::fromStdString(FormatPercent(
        static_cast<uint16_t>(doc_.CountPlanVersesRead()), static_cast<uint16_t>(doc_.CountPlanVerses())));
    // A step's name may be written for the middle of a sentence ("Undo finished reading").
    QString sentence = what;
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
    announce(tr("%1. Reading plan %2 completed.").arg(sentence, percent.trimmed()));
}

void CReadingPlanView::keyPressEvent(QKeyEvent* e) {
    const int focused = FocusedReading();
    if (focused >= 0) {
        switch (e->key()) {
        case Qt::Key_Up:
            SetFocusedReading(std::max(focused - 1, 0));
            return;
        case Qt::Key_Down:
            SetFocusedReading(focused + 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            MarkRead(focused);
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(e);
}

void CReadingPlanView::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
    CDrawnViewAccessible::FocusMoved(this);
}

void CReadingPlanView::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
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
    focusedReading_ = r;
    MarkRead(r);
}

void CReadingPlanView::OnFinishedReading() {
    const int index = navigator_.GetIndex();
    if (index < 0) return;
    doc_.FinishElement(static_cast<uint16_t>(index));
    AnnounceLastStep();
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
