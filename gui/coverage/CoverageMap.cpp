// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverageMap.h"

#include "CoverageMapAccessible.h"
#include "framework/CommandIds.h"
#include "framework/DrawingExport.h"
#include "framework/DrawnViewAccessible.h"
#include "framework/TextConvert.h"
#include "framework/TextZoom.h"
#include "framework/Theme.h"
#include "framework/UiServices.h"
#include "plan/ReadingPlanDoc.h"
#include "planview/ReadingPlanView.h"
#include "scripture/Bible.h"
#include "text/PassageFrame.h"
#include "text/PassageView.h"

#include "foundation/Translatable.h"
#include "framework/Translation.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHelpEvent>
#include <QImage>
#include <QLocale>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 8;
constexpr uint16_t kWidestBook = 150; // Psalms
constexpr int kNameIndent = 10;
constexpr const char* kToReadMark = QT_TRANSLATE_NOOP("CCoverageMap", "In the plan, to read");
constexpr const char* kReadInPlanMark = QT_TRANSLATE_NOOP("CCoverageMap", "Read in the plan");

// In the reader's locale's digits ("1,8%"); English keeps the program's own "1.8%".
QString Percent(uint32_t part, uint32_t whole) {
    if (whole == 0) return QString("0%");
    const QLocale locale;
    const double value = 100.0 * part / whole;
    const bool english = locale.language() == QLocale::English || locale.language() == QLocale::C;
    return (english ? QString::number(value, 'f', 1) : locale.toString(value, 'f', 1)) + "%";
}

QString TotalsText(const CoverageTotals& t) {
    return QCoreApplication::translate("CCoverageMap", "%1 of %2 verses (%3), %4 of %5 chapters read")
        .arg(t.read)
        .arg(t.verses)
        .arg(Percent(t.read, t.verses))
        .arg(t.chaptersRead)
        .arg(t.chapters);
}

QFont MapFont(int pixels, bool bold = false) {
    QFont f;
    f.setPixelSize(std::max(pixels, 5));
    f.setBold(bold);
    return f;
}

} // namespace

// ------------------------------------------------------------------- layout

CCoverageLayout::CCoverageLayout(const QRect& a, const CCoverage& coverage, int maxFontPixels) : area(a) {
    const auto groups = BookGroups();
    // Two testament headings, the group headings and the books share the height left.
    const int bookRows = coverage.Chapters().empty() ? 0 : coverage.Chapters().back().book;
    const int headRows = 2 + static_cast<int>(groups.size());
    const int inner = std::max(area.height() - 2 * kMargin, 1);
    rowHeight_ = std::max(inner / (bookRows + headRows + 3), 3);
    fontPixels_ = std::clamp(rowHeight_ - 2, 5, std::max(maxFontPixels, 5));
    int y = area.top() + kMargin;
    titleRect = QRect(area.left() + kMargin, y, area.width() - 2 * kMargin, rowHeight_ * 3 / 2);
    y += titleRect.height();
    legendRect = QRect(area.left() + kMargin, y, area.width() - 2 * kMargin, rowHeight_ * 3 / 2);
    y += legendRect.height();

    const QFontMetrics fm(MapFont(fontPixels_));
    nameLeft = area.left() + kMargin;
    // Book names are drawn indented under their group.
    gridLeft = nameLeft + kNameIndent + fm.horizontalAdvance("1Thessalonians") + 6;
    const int totalsWidth = fm.horizontalAdvance("150/150  100.0%") + 8;
    totalsLeft = area.right() - kMargin - totalsWidth;
    cellWidth = std::max((totalsLeft - 6 - gridLeft) / double(kWidestBook), 1.0);

    int testament = -1;
    for (size_t g = 0; g < groups.size(); ++g) {
        const int t = groups[g].firstBook >= kFirstNewTestamentBook ? 1 : 0;
        if (t != testament) {
            testament = t;
            rows_.push_back({Row::testament, y, t});
            y += rowHeight_;
        }
        rows_.push_back({Row::group, y, static_cast<int>(g)});
        y += rowHeight_;
        for (uint16_t b = groups[g].firstBook; b <= groups[g].lastBook && b <= bookRows; ++b) {
            rows_.push_back({Row::book, y, b});
            bookY_[b] = y;
            y += rowHeight_;
        }
    }
}

QSize CCoverageLayout::ReadableSize(const CCoverage& coverage, int fontPixels) {
    // The inverse of the constructor: the row height that gives this font, and the widths of the
    // names, the narrowest cells that still show a gap, the totals and the legend.
    const int bookRows = coverage.Chapters().empty() ? 0 : coverage.Chapters().back().book;
    const int headRows = 2 + static_cast<int>(BookGroups().size());
    const int rowHeight = fontPixels + 2;
    const int height = (bookRows + headRows + 3) * rowHeight + 2 * kMargin + 1;
    const QFontMetrics fm(MapFont(fontPixels));
    const int grid = kNameIndent + fm.horizontalAdvance("1Thessalonians") + 6 + kWidestBook * 4 + 6 +
                     fm.horizontalAdvance("150/150  100.0%") + 8;
    int legend = 0;
    for (int level = 0; level < 5; ++level)
        legend +=
            rowHeight * 2 + 18 + fm.horizontalAdvance(TrCore(LevelName(static_cast<CoverageLevel>(level))));
    for (const char* mark : {kToReadMark, kReadInPlanMark})
        legend +=
            rowHeight * 2 + 18 + fm.horizontalAdvance(QCoreApplication::translate("CCoverageMap", mark));
    return {std::max(grid, legend) + 2 * kMargin + 1, height};
}

QRect CCoverageLayout::CellRect(uint16_t book, uint16_t chapter) const {
    if (book == 0 || book > 66 || chapter == 0 || bookY_[book] == 0) return {};
    const int x0 = gridLeft + static_cast<int>(std::lround((chapter - 1) * cellWidth));
    const int x1 = gridLeft + static_cast<int>(std::lround(chapter * cellWidth));
    // A gap between cells where there is room for one.
    const int gap = cellWidth >= 4 ? 1 : 0;
    return QRect(x0, bookY_[book] + 1, std::max(x1 - x0 - gap, 1), std::max(rowHeight_ - 2, 1));
}

std::optional<std::pair<uint16_t, uint16_t>> CCoverageLayout::ChapterAt(const QPoint& p) const {
    if (p.x() < gridLeft) return std::nullopt;
    for (const Row& r : rows_) {
        if (r.kind != Row::book || p.y() < r.y || p.y() >= r.y + rowHeight_) continue;
        const auto book = static_cast<uint16_t>(r.index);
        const int chapter = static_cast<int>((p.x() - gridLeft) / cellWidth) + 1;
        if (chapter > TheBible().GetChapterCount(book)) return std::nullopt;
        return std::make_pair(book, static_cast<uint16_t>(chapter));
    }
    return std::nullopt;
}

// ------------------------------------------------------------------ painting

const std::array<QColor, 5> CCoverageMapPainter::kLevelColours = {
    QColor(232, 232, 232), QColor(199, 233, 192), QColor(116, 196, 118), QColor(49, 163, 84),
    QColor(0, 90, 50)};

std::array<QColor, 5> CCoverageMapPainter::LevelColours(const QPalette* screen) {
    const QColor page = screen ? screen->color(QPalette::Base) : QColor(Qt::white);
    if (page.lightnessF() >= 0.5) return kLevelColours;
    // On black (High Contrast) the empty cells still stand out from the page 3 : 1.
    const QColor empty = page.lightness() < 8 ? QColor(90, 90, 90) : page.lighter(170);
    return {empty, QColor(14, 80, 45), QColor(0, 120, 55), QColor(38, 166, 65), QColor(90, 220, 110)};
}

const QColor CCoverageMapPainter::kToReadColour(255, 102, 0);
const QColor CCoverageMapPainter::kReadInPlanColour(33, 90, 200);

void CCoverageMapPainter::Paint(QPainter& p, const QRect& area, const CCoverage& coverage, int maxFontPixels,
                                const QPalette* screen) {
    const CCoverageLayout layout(area, coverage, maxFontPixels);
    CBible& bible = TheBible();
    const QColor page = screen ? screen->color(QPalette::Base) : QColor(Qt::white);
    const QColor ink = screen ? screen->color(QPalette::Text) : QColor(Qt::black);
    const QColor faint = screen ? screen->color(QPalette::PlaceholderText) : QColor(90, 90, 90);
    const std::array<QColor, 5> levels = LevelColours(screen);
    p.save();
    p.fillRect(area, page);
    p.setPen(ink);

    p.setFont(MapFont(layout.FontPixels() + 2, true));
    p.drawText(layout.titleRect, Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("CCoverageMap", "Bible Coverage: %1")
                   .arg(TotalsText(coverage.WholeTotals())));

    // Legend: the five levels, then the two plan marks.
    p.setFont(MapFont(layout.FontPixels()));
    const QFontMetrics fm = p.fontMetrics();
    const int sw = layout.RowHeight();
    int x = layout.legendRect.left();
    const int ly = layout.legendRect.top() + (layout.legendRect.height() - sw) / 2;
    auto swatch = [&](const QColor& fill, const QColor* mark, const QString& text) {
        p.fillRect(QRect(x, ly, sw * 2, sw), fill);
        if (mark) p.fillRect(QRect(x, ly + sw - std::max(sw / 4, 2), sw * 2, std::max(sw / 4, 2)), *mark);
        x += sw * 2 + 4;
        p.setPen(ink);
        p.drawText(
            QRect(x, layout.legendRect.top(), fm.horizontalAdvance(text) + 2, layout.legendRect.height()),
            Qt::AlignLeft | Qt::AlignVCenter, text);
        x += fm.horizontalAdvance(text) + 14;
    };
    for (int level = 0; level < 5; ++level)
        swatch(levels[static_cast<size_t>(level)], nullptr,
               TrCore(LevelName(static_cast<CoverageLevel>(level))));
    swatch(levels[0], &kToReadColour, QCoreApplication::translate("CCoverageMap", kToReadMark));
    swatch(levels[0], &kReadInPlanColour, QCoreApplication::translate("CCoverageMap", kReadInPlanMark));

    const auto groups = BookGroups();
    const int h = layout.RowHeight();
    const int markHeight = std::max(h / 4, 1);
    for (const CCoverageLayout::Row& r : layout.Rows()) {
        const QRect line(layout.nameLeft, r.y, area.right() - kMargin - layout.nameLeft, h);
        if (r.kind == CCoverageLayout::Row::testament) {
            p.setFont(MapFont(layout.FontPixels(), true));
            p.setPen(ink);
            p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                       (r.index == 0 ? QCoreApplication::translate("CCoverageMap", "Old Testament: %1")
                                     : QCoreApplication::translate("CCoverageMap", "New Testament: %1"))
                           .arg(TotalsText(coverage.TestamentTotals(r.index))));
            continue;
        }
        if (r.kind == CCoverageLayout::Row::group) {
            p.setFont(MapFont(layout.FontPixels() - 1, false));
            p.setPen(faint);
            p.drawText(line.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       TrCore(groups[static_cast<size_t>(r.index)].name));
            continue;
        }
        const auto book = static_cast<uint16_t>(r.index);
        p.setFont(MapFont(layout.FontPixels()));
        p.setPen(ink);
        p.drawText(
            QRect(layout.nameLeft + kNameIndent, r.y, layout.gridLeft - layout.nameLeft - kNameIndent, h),
            Qt::AlignLeft | Qt::AlignVCenter, ShownBookName(book));
        for (uint16_t c = 1; c <= bible.GetChapterCount(book); ++c) {
            const ChapterCoverage* ch = coverage.Find(book, c);
            if (!ch) continue;
            const QRect cell = layout.CellRect(book, c);
            p.fillRect(cell, levels[static_cast<size_t>(LevelOf(*ch))]);
            const PlanMark mark = PlanMarkOf(*ch);
            if (mark != PlanMark::notInPlan)
                p.fillRect(QRect(cell.left(), cell.bottom() - markHeight + 1, cell.width(), markHeight),
                           mark == PlanMark::toRead ? kToReadColour : kReadInPlanColour);
        }
        const CoverageTotals t = coverage.BookTotals(book);
        p.drawText(QRect(layout.totalsLeft, r.y, area.right() - kMargin - layout.totalsLeft, h),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString("%1/%2  %3").arg(t.chaptersRead).arg(t.chapters).arg(Percent(t.read, t.verses)));
    }
    p.restore();
}

// ---------------------------------------------------------------------- view

CCoverageMap::CCoverageMap(CReadingPlanDoc& doc, QWidget* parent) : QWidget(parent), doc_(&doc) {
    setObjectName("coverageMap");
    setMouseTracking(true);
    setWhatsThis(QCoreApplication::translate(
        "CCoverageMap", "How often each chapter of the Bible has been read. Click a chapter to enter it as "
                        "read, or "
                        "to read it in the passage window when that is open."));
    setFocusPolicy(Qt::StrongFocus);
    InstallCoverageMapAccessible();
    setAccessibleName(QCoreApplication::translate("Accessibility", "Bible coverage map"));
    doc.AddView(this);
    coverage_ = CCoverage::FromDocument(doc);
    MapCommand(Cmd::FilePrint, [this] { OnPrint(); });
    MapCommand(Cmd::FilePrintPreview, [this] { OnPrintPreview(); });
    MapCommand(Cmd::SaveCoverageAsPng, [this] { OnSaveAs(false); });
    MapCommand(Cmd::SaveCoverageAsSvg, [this] { OnSaveAs(true); });
    // Before the document's own: a reading entered for the lifetime only redraws no view.
    MapCommand(Cmd::EnterReading, [this] { OnEnterReading(); });
    for (const ZoomCommand& c : ZoomCommands([this](int percent) { SetZoomPercent(percent); },
                                             [&doc] { return doc.Reader().fileStem; }, "Coverage/Zoom",
                                             [this](int percent) { return ReadableAt(percent); })) {
        MapCommand(c.id, c.run, c.enabled);
        if (c.id == Cmd::ViewZoomIn) zoomIn_ = c.run;
        if (c.id == Cmd::ViewZoomOut) canZoomOut_ = c.enabled;
    }
}

int CCoverageMap::MinimumFontPixels() {
    const QFontInfo small(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont));
    return std::max(small.pixelSize(), 8);
}

int CCoverageMap::ScreenMaxFontPixels() {
    return std::max(14, MinimumFontPixels());
}

QSize CCoverageMap::LogicalSize() const {
    return QSize(static_cast<int>(width() / zoom_), static_cast<int>(height() / zoom_));
}

QPoint CCoverageMap::ToLogical(const QPoint& p) const {
    return QPoint(static_cast<int>(p.x() / zoom_), static_cast<int>(p.y() / zoom_));
}

void CCoverageMap::FitTo(const QSize& viewport) {
    viewport_ = viewport;
    ApplySize();
}

// Below 100 % the layout's text must be this large to stay readable once scaled down.
static int ReadableLayoutFont(double zoom) {
    const int smallest = CCoverageMap::MinimumFontPixels();
    return zoom < 1.0 ? static_cast<int>(std::ceil(smallest / zoom)) : smallest;
}

int CCoverageMap::LayoutMaxFontPixels() const {
    return std::max(ScreenMaxFontPixels(), ReadableLayoutFont(zoom_));
}

QSize CCoverageMap::FittedSize() const {
    return viewport_.expandedTo(CCoverageLayout::ReadableSize(coverage_, ReadableLayoutFont(zoom_)));
}

void CCoverageMap::ApplySize() {
    if (!viewport_.isValid()) return;
    const QSize fit = FittedSize();
    resize(QSize(static_cast<int>(fit.width() * zoom_), static_cast<int>(fit.height() * zoom_)));
    update();
}

void CCoverageMap::SetZoomPercent(int percent) {
    zoom_ = percent / 100.0;
    ApplySize();
}

void CCoverageMap::ZoomIn() {
    if (zoomIn_) zoomIn_();
}

bool CCoverageMap::ReadableAt(int percent) const {
    if (percent >= 100) return true;
    if (!viewport_.isValid()) return false;
    // Smaller than the window only as far as the text of the map fitted to it stays readable.
    const QSize fit = viewport_.expandedTo(CCoverageLayout::ReadableSize(coverage_, MinimumFontPixels()));
    const CCoverageLayout layout(QRect(QPoint(0, 0), fit), coverage_, ScreenMaxFontPixels());
    return layout.FontPixels() * percent / 100 >= MinimumFontPixels();
}

bool CCoverageMap::CanZoomOut() const {
    return canZoomOut_ && canZoomOut_();
}

CCoverageMap::~CCoverageMap() = default;

void CCoverageMap::Detach() {
    if (doc_) doc_->RemoveView(this);
    doc_ = nullptr;
}

void CCoverageMap::Refresh() {
    if (doc_) {
        coverage_ = CCoverage::FromDocument(*doc_);
        if (const CJournal* journal = doc_->Journal()) history_ = CReadingHistory(journal->ReadAll());
    }
    update();
    CDrawnViewAccessible::ItemsChanged(this);
}

void CCoverageMap::OnUpdate(CView*, long) {
    Refresh();
}

void CCoverageMap::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Refresh();
}

CCoverageLayout CCoverageMap::CurrentLayout() const {
    return CCoverageLayout(QRect(QPoint(0, 0), LogicalSize()), coverage_, LayoutMaxFontPixels());
}

void CCoverageMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(zoom_, zoom_);
    CCoverageMapPainter::Paint(p, QRect(QPoint(0, 0), LogicalSize()), coverage_, LayoutMaxFontPixels(),
                               &palette());
    if (!hasFocus()) return;
    p.resetTransform();
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = ChapterRect(focused_.first, focused_.second).adjusted(-2, -2, 2, 2);
    // A wide frame in the selection colour, and the style's own: it shows on every shade of the cells.
    p.setPen(QPen(FocusFrameColour(palette()), 2));
    p.drawRect(frame.rect);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
}

QRect CCoverageMap::ChapterRect(uint16_t book, uint16_t chapter) const {
    const QRect logical = CurrentLayout().CellRect(book, chapter);
    return QRect(QPoint(static_cast<int>(logical.left() * zoom_), static_cast<int>(logical.top() * zoom_)),
                 QPoint(static_cast<int>((logical.right() + 1) * zoom_) - 1,
                        static_cast<int>((logical.bottom() + 1) * zoom_) - 1));
}

void CCoverageMap::SetFocusedChapter(uint16_t book, uint16_t chapter) {
    CBible& bible = TheBible();
    const int books = coverage_.Chapters().empty() ? 0 : coverage_.Chapters().back().book;
    if (books == 0) return;
    book = static_cast<uint16_t>(std::clamp<int>(book, 1, books));
    chapter = static_cast<uint16_t>(std::clamp<int>(chapter, 1, bible.GetChapterCount(book)));
    focused_ = {book, chapter};
    update();
    // In a scrolled window the chapter is brought into view.
    if (auto* area = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr)) {
        const QRect r = ChapterRect(book, chapter);
        area->ensureVisible(r.center().x(), r.center().y(), r.width() + 20, r.height() + 20);
    }
    CDrawnViewAccessible::FocusMoved(this);
}

void CCoverageMap::keyPressEvent(QKeyEvent* e) {
    const auto [book, chapter] = focused_;
    switch (e->key()) {
    case Qt::Key_Left:
        SetFocusedChapter(book, static_cast<uint16_t>(std::max(chapter - 1, 1)));
        return;
    case Qt::Key_Right:
        SetFocusedChapter(book, static_cast<uint16_t>(chapter + 1));
        return;
    case Qt::Key_Up:
        SetFocusedChapter(static_cast<uint16_t>(std::max(book - 1, 1)), chapter);
        return;
    case Qt::Key_Down:
        SetFocusedChapter(static_cast<uint16_t>(book + 1), chapter);
        return;
    case Qt::Key_Home:
        SetFocusedChapter(book, 1);
        return;
    case Qt::Key_End:
        SetFocusedChapter(book, TheBible().GetChapterCount(book));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        OpenChapter(book, chapter);
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

void CCoverageMap::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
    CDrawnViewAccessible::FocusMoved(this);
}

void CCoverageMap::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

QString CCoverageMap::ToolTipAt(const QPoint& pos) const {
    const auto hit = CurrentLayout().ChapterAt(pos);
    if (!hit) return {};
    const ChapterCoverage* c = coverage_.Find(hit->first, hit->second);
    return c ? ChapterDescription(*c) : QString();
}

QString CCoverageMap::ChapterDescription(const ChapterCoverage& c) const {
    std::string text = CoverageDescription(c);
    if (c.verses == 0) return ToQ(text);
    if (std::string last = history_.LastReadText(c.firstIndex, uint16_t(c.firstIndex + c.verses - 1));
        !last.empty())
        text += "\n" + last;
    return ToQ(text);
}

bool CCoverageMap::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString text = ToolTipAt(ToLogical(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(e);
}

bool CCoverageMap::ClickAt(const QPoint& pos) {
    const auto hit = CurrentLayout().ChapterAt(pos);
    if (!hit) return false;
    focused_ = *hit;
    return OpenChapter(hit->first, hit->second);
}

bool CCoverageMap::OpenChapter(uint16_t book, uint16_t chapter) {
    if (!doc_) return false;
    const ChapterCoverage* c = coverage_.Find(book, chapter);
    if (!c || c->verses == 0) return false;
    const auto last = static_cast<uint16_t>(c->firstIndex + c->verses - 1);
    // With the passage window open the chapter is read there; it offers Enter Reading itself.
    for (CView* v : doc_->GetViews())
        if (auto* plan = dynamic_cast<CReadingPlanView*>(v))
            if (CPassageFrame* passage = CPassageFrame::Find(*plan)) {
                if (passage->isMinimized()) passage->showNormal();
                passage->Passage()->ShowRange(c->firstIndex, last);
                if (QMdiArea* area = passage->mdiArea()) area->setActiveSubWindow(passage);
                return true;
            }
    doc_->OnEnterReadingOf(c->firstIndex, last);
    Refresh();
    return true;
}

void CCoverageMap::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) ClickAt(ToLogical(e->position().toPoint()));
}

void CCoverageMap::OnEnterReading() {
    if (!doc_) return;
    doc_->OnEnterReading();
    Refresh();
}

QSize CCoverageMap::ExportSize() const {
    return LogicalSize().expandedTo(QSize(1280, 900));
}

DrawInto CCoverageMap::Drawing() const {
    return [this](QPainter& p, const QRect& area) { CCoverageMapPainter::Paint(p, area, coverage_); };
}

QImage CCoverageMap::Render(const QSize& size) const {
    return DrawingImage(size, Drawing());
}

QByteArray CCoverageMap::PngBytes() const {
    return DrawingPng(ExportSize(), Drawing());
}

QByteArray CCoverageMap::SvgBytes() const {
    return DrawingSvg(ExportSize(), "Bible Coverage", Drawing());
}

bool CCoverageMap::SaveAs(const std::string& path, bool svg) const {
    return SaveDrawing(doc_ ? &doc_->Ui() : nullptr, path, svg ? SvgBytes() : PngBytes());
}

void CCoverageMap::PrintTo(QPrinter& printer) const {
    PrintDrawing(printer, 1280, 600, Drawing());
}

void CCoverageMap::OnPrint() {
    PrintDrawingWithDialog(this, [this](QPrinter& printer) { PrintTo(printer); });
}

void CCoverageMap::OnPrintPreview() {
    PreviewDrawing(this, [this](QPrinter& printer) { PrintTo(printer); });
}

void CCoverageMap::OnSaveAs(bool svg) {
    if (!doc_) return;
    SaveDrawingAs(doc_->Ui(), "Bible Coverage", "Save Map as", svg,
                  [this](bool asSvg) { return asSvg ? SvgBytes() : PngBytes(); });
}
