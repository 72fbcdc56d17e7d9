// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"
#include "framework/Document.h"
#include "framework/DrawingExport.h"
#include "journal/ReadingHistory.h"

#include <QRect>
#include <QStringList>
#include <QWidget>
#include <array>

class CReadingPlanDoc;
class QPrinter;

// What the Reading History window shows: the journal's reading days of the last twelve months up to
// today, the streaks on the plan's reading weekdays, and the readings of one chosen day.
struct HistoryPicture {
    explicit HistoryPicture(CReadingHistory h = CReadingHistory(std::vector<CJournalEntry>{}))
        : history(std::move(h)) {}
    CReadingHistory history;
    CReadingHistory::Streaks streaks;
    CJJulian today;
    int32_t selected = 0; // a day number; 0 for none

    // The Sunday the calendar begins on, and its number of weeks.
    int32_t FirstDay() const;
    int Weeks() const;
    // The text above the calendar, then the lines under it that tell the chosen day's readings.
    QStringList HeadLines() const;
    QStringList DayLines() const;
};

// Where the parts of the picture lie in a rectangle: the text at fontPixels, one row of squares a
// weekday and one column a week, the squares as large as the rectangle allows.
class CHistoryLayout {
public:
    CHistoryLayout(const QRect& area, const HistoryPicture& picture, int fontPixels);

    // The smallest size in which the text is drawn at fontPixels, with squares two thirds as high.
    static QSize ReadableSize(const HistoryPicture& picture, int fontPixels);
    // How tall the picture is at a width when its squares are as wide as the width allows.
    static int HeightFor(int width, const HistoryPicture& picture, int fontPixels);

    QRect DayRect(int32_t day) const;
    // The day under a point; 0 for none.
    int32_t DayAt(const QPoint& p) const;

    int fontPixels;
    int lineHeight;
    int cell;
    int gridLeft;
    int gridTop;
    int legendTop;
    int listTop;
    int32_t firstDay;
    int32_t lastDay;
    QRect area;
};

// Draws the picture; the same drawing serves the screen, the printer, PNG and SVG. On screen the
// page and its text take the window's colours; files and paper are black on white.
void PaintHistory(QPainter& p, const QRect& area, const HistoryPicture& picture, int fontPixels,
                  const QPalette* screen = nullptr);

// The Reading History window's view: the picture of the plan document's journal, read again when the
// document updates its views. A click or the arrow keys choose the day whose readings are listed.
class CReadingHistoryView : public QWidget, public CView {
    Q_OBJECT
public:
    explicit CReadingHistoryView(CReadingPlanDoc& doc, QWidget* parent = nullptr);
    ~CReadingHistoryView() override;

    void OnUpdate(CView* sender, long hint) override;
    // Lets go of the document (it is closing); the picture then stays as drawn.
    void Detach();

    const HistoryPicture& Picture() const { return picture_; }
    CHistoryLayout CurrentLayout() const;
    QRect DayRect(int32_t day) const { return CurrentLayout().DayRect(day); }
    void SelectDay(int32_t day);
    bool ClickAt(const QPoint& p);
    // The text size: the window's font, never below the desktop's smallest readable size.
    int FontPixels() const;

    QImage Render() const;
    QByteArray PngBytes() const;
    QByteArray SvgBytes() const;
    bool SaveAs(const std::string& path, bool svg) const;
    void PrintTo(QPrinter& printer) const;
    void CopyToClipboard() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Refresh();
    void ApplySize();
    QSize ExportSize() const;
    DrawInto Drawing() const;

    CReadingPlanDoc* doc_;
    HistoryPicture picture_;
};
