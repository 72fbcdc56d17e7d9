// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"
#include "plan/PlanNavigator.h"
#include "text/PassageView.h"

#include <QWidget>
#include <functional>

class CReadingPlanDoc;
class QPainter;
class QPrinter;
class QWidget;

// The reading plan window's view: the current assignment with its dates and
// readings, navigation, Finished Reading, printing and copying.
class CReadingPlanView : public QWidget, public CView {
    Q_OBJECT
public:
    explicit CReadingPlanView(CReadingPlanDoc& doc, QWidget* parent = nullptr);

    // Where the view sends the counts of its frame's two progress bars.
    std::function<void(uint16_t read, uint16_t total)> planProgress;
    std::function<void(uint16_t read, uint16_t total)> lifetimeProgress;
    // Where the view tells, in a sentence a screen reader speaks, a change the reader made.
    std::function<void(const QString& change)> announce;

    // First showing: the progress bars, then the first unfinished assignment.
    void OnInitialUpdate();
    void OnUpdate(CView* sender, long hint) override;

    CPlanNavigator& Navigator() { return navigator_; }
    CReadingPlanDoc& Document() const { return doc_; }
    // What this window's passage window follows.
    CPassageView::Followed FollowedByPassage() { return {doc_, navigator_, *this, *this}; }

    // The lines drawn on screen (printing false) or paper, with their colours.
    struct DrawnLine {
        QPoint position;
        QString text;
        QColor colour;
        bool read = false; // a reading read: a check mark follows it on screen
    };
    std::vector<DrawnLine> Layout(int lineHeight, int charWidth, bool printing,
                                  const QColor& textColour) const;
    void DrawPlan(QPainter& p, bool printing);
    // Renders the plan on printer, as Print does after its dialog.
    void PrintTo(QPrinter& printer);

    void OnFinishedReading();
    void OnByDate();
    void OnByVerse();
    void OnCopy();
    void OnPrint();
    void OnPrintPreview();
    void OnNewPlan(bool fromGallery = false);
    void OnSynchronizeDates();
    void Redraw();

    // The reading the keyboard is on (Up, Down), marked read by Enter or Space; -1 with none.
    int FocusedReading() const;
    void SetFocusedReading(int reading);
    // Marks reading r of the current assignment read, as a double-click on it does.
    void MarkRead(int r);
    int LineHeight() const;
    // The room the drawn lines (and the no-plan prompt) take at the view's font: the view never
    // gets less, so that a large text scrolls in its window rather than being cut off.
    QSize ContentSize() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void UpdateExtent();
    // Tells the step just made (or undone, redone) with where the plan now stands.
    void Announce(const QString& what);
    void AnnounceLastStep();
    // Scrolls the window, when it scrolls, to a rectangle of the view.
    void BringIntoView(const QRect& r);
    void SendProgress();
    void MapDocumentState(int id);
    // With no plan yet, a way on: a line and a button that open the gallery, below the status.
    void UpdateNoPlanPrompt();

    CReadingPlanDoc& doc_;
    CPlanNavigator navigator_;
    QWidget* noPlanPrompt_ = nullptr;
    int focusedReading_ = 0;
};
