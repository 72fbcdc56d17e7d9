// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "coverage/Coverage.h"
#include "framework/Document.h"
#include "framework/DrawingExport.h"
#include "journal/ReadingHistory.h"

#include <QColor>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class CReadingPlanDoc;
class QPainter;
class QPrinter;

// Where everything of the map lies in a rectangle: a title line, the legend,
// then one row per book under its testament and group headings, the chapters
// as cells, the book's totals at the right.
class CCoverageLayout {
public:
    // Text grows with the rows up to maxFontPixels.
    CCoverageLayout(const QRect& area, const CCoverage& coverage, int maxFontPixels = 14);

    struct Row {
        enum Kind { testament, group, book } kind;
        int y;
        int index; // testament 0/1, group number, or book number
    };
    const std::vector<Row>& Rows() const { return rows_; }
    int RowHeight() const { return rowHeight_; }
    // The smallest area in which the map's text is drawn at least fontPixels high.
    static QSize ReadableSize(const CCoverage& coverage, int fontPixels);
    int FontPixels() const { return fontPixels_; }
    QRect CellRect(uint16_t book, uint16_t chapter) const;
    // The chapter under a point, if any.
    std::optional<std::pair<uint16_t, uint16_t>> ChapterAt(const QPoint& p) const;

    QRect area;
    QRect titleRect;
    QRect legendRect;
    int nameLeft = 0;
    int gridLeft = 0;
    int totalsLeft = 0;
    double cellWidth = 0;

private:
    std::vector<Row> rows_;
    std::array<int, 67> bookY_{};
    int rowHeight_ = 0;
    int fontPixels_ = 0;
};

// Draws a coverage map; the same drawing serves the screen, the printer, PNG and SVG.
class CCoverageMapPainter {
public:
    static const std::array<QColor, 5> kLevelColours; // by CoverageLevel, on paper and light pages
    // The levels' colours on a page of the palette (paper's without one): on a dark page the empty
    // cells are dark too and the shades grow brighter with the readings.
    static std::array<QColor, 5> LevelColours(const QPalette* screen);
    static const QColor kToReadColour;
    static const QColor kReadInPlanColour;

    // On screen the page and its text take the window's colours; files and paper are black on white.
    static void Paint(QPainter& p, const QRect& area, const CCoverage& coverage, int maxFontPixels = 14,
                      const QPalette* screen = nullptr);
};

// The Bible Coverage window's view: the map of the plan document's history,
// redrawn whenever the document updates its views. A click opens Enter
// Reading on the chapter; the tooltip tells its counts.
class CCoverageMap : public QWidget, public CView {
    Q_OBJECT
public:
    explicit CCoverageMap(CReadingPlanDoc& doc, QWidget* parent = nullptr);
    ~CCoverageMap() override;

    void OnUpdate(CView* sender, long hint) override;
    // Lets go of the document (it is closing); the map then stays as drawn.
    void Detach();

    const CCoverage& Coverage() const { return coverage_; }
    // The layout in the map's own units: the widget's size at zoom 1.
    CCoverageLayout CurrentLayout() const;

    // In a scrolled window: the map fills a viewport of this size at 100 %, and never draws its
    // text below the desktop's smallest readable size (it scrolls instead).
    void FitTo(const QSize& viewport);
    // View > Zoom In, Zoom Out and Actual Size: 75 % to 300 % of the fitted map, kept for the reader.
    void ZoomIn();
    double Zoom() const { return zoom_; }
    bool CanZoomOut() const;
    // The desktop's smallest readable text, in pixels.
    static int MinimumFontPixels();
    // On screen the text may grow to the desktop's readable size where that is larger than on paper.
    static int ScreenMaxFontPixels();
    QString ToolTipAt(const QPoint& p) const;
    // The chapter's counts, and when it was last read as the journal tells.
    QString ChapterDescription(const ChapterCoverage& c) const;
    // Enter Reading on the chapter under p; false when there is none.
    bool ClickAt(const QPoint& p);
    // Enter Reading on a chapter (or its text in the passage window, when that is open).
    bool OpenChapter(uint16_t book, uint16_t chapter);
    // The chapter the keyboard is on: arrows move it, Enter opens it.
    std::pair<uint16_t, uint16_t> FocusedChapter() const { return focused_; }
    void SetFocusedChapter(uint16_t book, uint16_t chapter);
    QRect ChapterRect(uint16_t book, uint16_t chapter) const; // in the widget's own coordinates

    // The map at the given size, at least 1280 × 900 for files and paper.
    QImage Render(const QSize& size) const;
    QByteArray PngBytes() const;
    QByteArray SvgBytes() const;
    // Writes the picture (atomically); false, and the user told, when it could not be written.
    bool SaveAs(const std::string& path, bool svg) const;
    void PrintTo(QPrinter& printer) const;

    void OnPrint();
    void OnPrintPreview();
    void OnSaveAs(bool svg);
    void OnEnterReading();

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Refresh();
    QSize ExportSize() const;
    DrawInto Drawing() const;
    QSize LogicalSize() const;
    QPoint ToLogical(const QPoint& p) const;
    void ApplySize();
    void SetZoomPercent(int percent);
    // The fitted map's logical size, and the largest text its layout draws, at the zoom: below
    // 100 % the layout's text is larger, so that it is still readable once scaled down.
    QSize FittedSize() const;
    int LayoutMaxFontPixels() const;
    bool ReadableAt(int percent) const;

    CReadingPlanDoc* doc_;
    CCoverage coverage_;
    // Read again with the coverage, not while drawing.
    CReadingHistory history_{std::vector<CJournalEntry>{}};
    double zoom_ = 1.0;
    std::function<void()> zoomIn_;
    std::function<bool()> canZoomOut_;
    QSize viewport_;
    std::pair<uint16_t, uint16_t> focused_{1, 1};
};
