// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingHistoryView.h"

#include "CoverageMap.h"
#include "foundation/Clock.h"
#include "framework/CommandIds.h"
#include "framework/DrawnViewAccessible.h"
#include "framework/TextConvert.h"
#include "framework/TextZoom.h"
#include "framework/Theme.h"
#include "plan/ReadingPlanDoc.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kHeadRows = 4;  // title, streaks, this month, this year
constexpr int kRowsAfter = 2; // the legend, and a gap before the day's readings

QFont HistoryFont(int pixels, bool bold = false) {
    QFont f;
    f.setPixelSize(std::max(pixels, 5));
    f.setBold(bold);
    return f;
}

QString DateText(int32_t day) {
    return ToQ(CJJulian(day, 0).GetDateText());
}

QString T(const char* english) {
    return QCoreApplication::translate("CReadingHistoryView", english);
}

QString KindName(const std::string& kind) {
    if (kind == "finish") return QCoreApplication::translate("CReadingHistoryView", "Finished reading");
    if (kind == "mark") return QCoreApplication::translate("CReadingHistoryView", "Marked read");
    return QCoreApplication::translate("CReadingHistoryView", "Extra reading");
}

// "1 verse", "2 verses".
QString Count(uint32_t n, const char* one, const char* many) {
    return QString("%1 %2").arg(n).arg(T(n == 1 ? one : many));
}

QString TotalsText(const char* what, const CReadingHistory::Totals& t) {
    return QString("%1: %2, %3, %4")
        .arg(T(what),
             Count(t.verses, QT_TRANSLATE_NOOP("CReadingHistoryView", "verse"),
                   QT_TRANSLATE_NOOP("CReadingHistoryView", "verses")),
             Count(t.readings, QT_TRANSLATE_NOOP("CReadingHistoryView", "reading"),
                   QT_TRANSLATE_NOOP("CReadingHistoryView", "readings")),
             Count(t.days, QT_TRANSLATE_NOOP("CReadingHistoryView", "reading day"),
                   QT_TRANSLATE_NOOP("CReadingHistoryView", "reading days")));
}

int LabelWidth(int fontPixels) {
    return QFontMetrics(HistoryFont(fontPixels)).horizontalAdvance("Wed") + 6;
}

// The widest of the lines, as drawn.
int TextWidth(const QStringList& lines, int fontPixels) {
    const QFontMetrics fm(HistoryFont(fontPixels + 2, true));
    int w = 0;
    for (const QString& line : lines)
        w = std::max(w, fm.horizontalAdvance(line));
    return w;
}

const char* const kShadeNames[] = {"none", "1–29", "30–89", "90–249", "250 or more"};

} // namespace

// ------------------------------------------------------------------ picture

int32_t HistoryPicture::FirstDay() const {
    // A year back from today, from the Sunday of that week.
    const CJJulian start(today.GetDayNumber() - 364, 0);
    return start.GetDayNumber() - (start.GetWeekday() - 1);
}

int HistoryPicture::Weeks() const {
    return (today.GetDayNumber() - FirstDay()) / 7 + 1;
}

QStringList HistoryPicture::HeadLines() const {
    const CJJulian monthStart = CJJulian::Day(today.GetYear(), today.GetMonth(), 1);
    const CJJulian yearStart = CJJulian::Day(today.GetYear(), 1, 1);
    const int32_t now = today.GetDayNumber();
    return {QCoreApplication::translate("CReadingHistoryView", "Reading History"),
            QCoreApplication::translate("CReadingHistoryView", "Current streak: %1    Longest streak: %2")
                .arg(Count(uint32_t(streaks.current), "reading day", "reading days"),
                     Count(uint32_t(streaks.longest), "reading day", "reading days")),
            TotalsText(QT_TRANSLATE_NOOP("CReadingHistoryView", "This month"),
                       history.Between(monthStart.GetDayNumber(), now)),
            TotalsText(QT_TRANSLATE_NOOP("CReadingHistoryView", "This year"),
                       history.Between(yearStart.GetDayNumber(), now))};
}

QStringList HistoryPicture::DayLines() const {
    if (selected == 0)
        return {
            QCoreApplication::translate("CReadingHistoryView", "Click a day to see what was read on it.")};
    const auto readings = history.ReadingsOn(selected);
    if (readings.empty())
        return {
            QCoreApplication::translate("CReadingHistoryView", "%1: nothing read").arg(DateText(selected))};
    uint32_t verses = 0;
    for (const auto* r : readings)
        verses += r->verses;
    QStringList lines{QString("%1: %2, %3")
                          .arg(DateText(selected), Count(uint32_t(readings.size()), "reading", "readings"),
                               Count(verses, "verse", "verses"))};
    for (const auto* r : readings) {
        QStringList refs;
        for (const auto& [a, b] : r->ranges)
            refs << ToQ(CompactRangeText(a, b));
        lines << QString("%1   %2   %3")
                     .arg(ToQ(r->time.size() >= 16 ? r->time.substr(11, 5) : std::string()),
                          KindName(r->kind), refs.join("; "));
    }
    return lines;
}

// ------------------------------------------------------------------- layout

CHistoryLayout::CHistoryLayout(const QRect& a, const HistoryPicture& picture, int font)
    : fontPixels(font), lineHeight(font * 3 / 2), area(a) {
    firstDay = picture.FirstDay();
    lastDay = picture.today.GetDayNumber();
    gridLeft = area.left() + kMargin + LabelWidth(font);
    const int textRows = kHeadRows + 1 + kRowsAfter + static_cast<int>(picture.DayLines().size());
    const int byWidth = (area.right() - kMargin - gridLeft) / std::max(picture.Weeks(), 1);
    const int byHeight = (area.height() - 2 * kMargin - textRows * lineHeight) / 7;
    cell = std::max(std::min(byWidth, byHeight), 4);
    gridTop = area.top() + kMargin + (kHeadRows + 1) * lineHeight; // the month names above the squares
    legendTop = gridTop + 7 * cell + lineHeight / 3;
    listTop = legendTop + kRowsAfter * lineHeight;
}

QSize CHistoryLayout::ReadableSize(const HistoryPicture& picture, int fontPixels) {
    // The squares may be smaller than the text, never so small that a day cannot be pointed at.
    const int cell = std::max(fontPixels * 2 / 3, 8);
    const int grid = LabelWidth(fontPixels) + picture.Weeks() * cell;
    const int text = TextWidth(picture.HeadLines() + picture.DayLines(), fontPixels);
    const int textRows = kHeadRows + 1 + kRowsAfter + static_cast<int>(picture.DayLines().size());
    return {std::max(grid, text) + 2 * kMargin + 1,
            textRows * (fontPixels * 3 / 2) + 7 * cell + 2 * kMargin + 1};
}

int CHistoryLayout::HeightFor(int width, const HistoryPicture& picture, int fontPixels) {
    const int cell = (width - 2 * kMargin - LabelWidth(fontPixels)) / std::max(picture.Weeks(), 1);
    const int textRows = kHeadRows + 1 + kRowsAfter + static_cast<int>(picture.DayLines().size());
    return textRows * (fontPixels * 3 / 2) + 7 * cell + 2 * kMargin + 1;
}

QRect CHistoryLayout::DayRect(int32_t day) const {
    if (day < firstDay || day > lastDay) return {};
    const int column = (day - firstDay) / 7, row = (day - firstDay) % 7;
    // A gap between squares where there is room for one.
    const int gap = cell >= 6 ? std::max(cell / 8, 1) : 0;
    return QRect(gridLeft + column * cell, gridTop + row * cell, cell - gap, cell - gap);
}

int32_t CHistoryLayout::DayAt(const QPoint& p) const {
    if (p.x() < gridLeft || p.y() < gridTop || p.y() >= gridTop + 7 * cell) return 0;
    const int32_t day = firstDay + (p.x() - gridLeft) / cell * 7 + (p.y() - gridTop) / cell;
    return day <= lastDay ? day : 0;
}

// ----------------------------------------------------------------- painting

void PaintHistory(QPainter& p, const QRect& area, const HistoryPicture& picture, int fontPixels,
                  const QPalette* screen) {
    const CHistoryLayout layout(area, picture, fontPixels);
    const QColor page = screen ? screen->color(QPalette::Base) : QColor(Qt::white);
    const QColor ink = screen ? screen->color(QPalette::Text) : QColor(Qt::black);
    const QColor mark = screen ? FocusFrameColour(*screen) : QColor(33, 90, 200);
    const std::array<QColor, 5> shades = CCoverageMapPainter::LevelColours(screen);
    p.save();
    p.fillRect(area, page);
    p.setPen(ink);
    const int left = area.left() + kMargin, width = area.width() - 2 * kMargin, h = layout.lineHeight;

    const QStringList head = picture.HeadLines();
    int y = area.top() + kMargin;
    for (int i = 0; i < head.size(); ++i, y += h) {
        p.setFont(HistoryFont(i == 0 ? fontPixels + 2 : fontPixels, i == 0));
        p.drawText(QRect(left, y, width, h), Qt::AlignLeft | Qt::AlignVCenter, head[i]);
    }

    // The month names over the week each month begins in; the weekdays at the left.
    p.setFont(HistoryFont(fontPixels));
    const QFontMetrics fm = p.fontMetrics();
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int lastLabelEnd = 0;
    for (int32_t day = layout.firstDay; day <= layout.lastDay; day += 7) {
        const CJJulian sunday(day, 0), saturday(day + 6, 0);
        if (day != layout.firstDay && sunday.GetMonth() == saturday.GetMonth() && sunday.GetDay() != 1)
            continue;
        const CJJulian& first = day == layout.firstDay ? sunday : saturday;
        const int x = layout.DayRect(day).left();
        const QString name = months[first.GetMonth() - 1];
        if (x < lastLabelEnd) continue;
        p.drawText(QRect(x, layout.gridTop - h, fm.horizontalAdvance(name) + 2, h),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
        lastLabelEnd = x + fm.horizontalAdvance(name) + fm.horizontalAdvance(' ');
    }
    const char* const weekdays[] = {"Mon", "Wed", "Fri"};
    for (int i = 0; i < 3; ++i) {
        const int row = 1 + 2 * i;
        p.drawText(QRect(left, layout.gridTop + row * layout.cell, layout.gridLeft - left, layout.cell),
                   Qt::AlignLeft | Qt::AlignVCenter, weekdays[i]);
    }

    auto day = picture.history.Days().begin();
    const auto end = picture.history.Days().end();
    while (day != end && day->dayNumber < layout.firstDay)
        ++day;
    for (int32_t d = layout.firstDay; d <= layout.lastDay; ++d) {
        uint32_t verses = 0;
        if (day != end && day->dayNumber == d) verses = (day++)->verses;
        const QRect r = layout.DayRect(d);
        p.fillRect(r, shades[static_cast<size_t>(CReadingHistory::ShadeOf(verses))]);
        if (d == layout.lastDay || d == picture.selected) {
            p.setPen(QPen(d == picture.selected ? mark : ink, std::max(layout.cell / 8, 1)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
    }

    // The legend: how many verses a day each shade stands for.
    p.setPen(ink);
    int x = left;
    const QString caption = QCoreApplication::translate("CReadingHistoryView", "Verses a day:");
    p.drawText(QRect(x, layout.legendTop, fm.horizontalAdvance(caption) + 2, h),
               Qt::AlignLeft | Qt::AlignVCenter, caption);
    x += fm.horizontalAdvance(caption) + 10;
    const int sw = std::min(fontPixels + 2, h);
    for (size_t i = 0; i < shades.size(); ++i) {
        p.fillRect(QRect(x, layout.legendTop + (h - sw) / 2, sw, sw), shades[i]);
        x += sw + 4;
        const QString text = QString::fromUtf8(kShadeNames[i]);
        p.drawText(QRect(x, layout.legendTop, fm.horizontalAdvance(text) + 2, h),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
        x += fm.horizontalAdvance(text) + 14;
    }

    const QStringList lines = picture.DayLines();
    y = layout.listTop;
    for (int i = 0; i < lines.size(); ++i, y += h) {
        p.setFont(HistoryFont(fontPixels, i == 0 && picture.selected != 0));
        p.drawText(QRect(left, y, width, h), Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(lines[i], Qt::ElideRight, width));
    }
    p.restore();
}

// --------------------------------------------------------------------- view

namespace {

// Each square a day, named by its date and its verses; its action chooses it.
class CReadingHistoryAccessible : public CDrawnViewAccessible {
public:
    explicit CReadingHistoryAccessible(CReadingHistoryView* view)
        : CDrawnViewAccessible(view, QAccessible::Table, {}) {}
    CReadingHistoryView* View() const { return static_cast<CReadingHistoryView*>(widget()); }
    int32_t First() const { return View()->Picture().FirstDay(); }
    int Days() const { return View()->Picture().today.GetDayNumber() - First() + 1; }

    int ItemCount(int parent) const override { return parent == kView ? Days() : 0; }
    int ItemKey(int, int index) const override { return index; }
    int IndexOf(int key) const override { return key >= 0 && key < Days() ? key : -1; }
    Item Describe(int key) const override {
        Item item;
        item.role = QAccessible::Cell;
        const int32_t day = First() + key;
        uint32_t verses = 0;
        for (const auto* r : View()->Picture().history.ReadingsOn(day))
            verses += r->verses;
        item.name = QCoreApplication::translate("Accessibility", "%1: %2")
                        .arg(DateText(day), Count(verses, "verse", "verses"));
        item.rect = View()->DayRect(day);
        item.actions = {QAccessibleActionInterface::pressAction()};
        return item;
    }
    void Act(int key, const QString&) override { View()->SelectDay(First() + key); }
    int FocusedItem() const override {
        const int32_t selected = View()->Picture().selected;
        return selected ? selected - First() : kView;
    }
    int ItemAt(const QPoint& p) const override {
        const int32_t day = View()->CurrentLayout().DayAt(p);
        return day ? day - First() : kView;
    }
};

QAccessibleInterface* HistoryAccessibleFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("CReadingHistoryView"))
        if (auto* view = qobject_cast<CReadingHistoryView*>(object))
            return new CReadingHistoryAccessible(view);
    return nullptr;
}

} // namespace

CReadingHistoryView::CReadingHistoryView(CReadingPlanDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(&doc) {
    setObjectName("readingHistory");
    setWhatsThis(QCoreApplication::translate(
        "CReadingHistoryView",
        "The days you read on in the last twelve months, shaded by the verses read, with your "
        "streaks and totals. Click a day to see what was read on it."));
    setFocusPolicy(Qt::StrongFocus);
    static const bool installed = (QAccessible::installFactory(HistoryAccessibleFactory), true);
    (void)installed;
    setAccessibleName(QCoreApplication::translate("Accessibility", "Reading history"));
    doc.AddView(this);
    MapCommand(Cmd::FilePrint,
               [this] { PrintDrawingWithDialog(this, [this](QPrinter& printer) { PrintTo(printer); }); });
    MapCommand(Cmd::FilePrintPreview,
               [this] { PreviewDrawing(this, [this](QPrinter& printer) { PrintTo(printer); }); });
    for (const bool svg : {false, true})
        MapCommand(svg ? Cmd::SaveHistoryAsSvg : Cmd::SaveHistoryAsPng, [this, svg] {
            if (doc_)
                SaveDrawingAs(doc_->Ui(), "Reading History", "Save History as", svg,
                              [this](bool asSvg) { return asSvg ? SvgBytes() : PngBytes(); });
        });
    MapCommand(Cmd::EditCopy, [this] { CopyToClipboard(); });
    for (const ZoomCommand& c : TextZoomCommands(
             *this, [&doc] { return doc.Reader().fileStem; }, "History/Zoom"))
        MapCommand(c.id, c.run, c.enabled);
    Refresh();
}

CReadingHistoryView::~CReadingHistoryView() = default;

void CReadingHistoryView::Detach() {
    if (doc_) doc_->RemoveView(this);
    doc_ = nullptr;
}

void CReadingHistoryView::Refresh() {
    // The journal is read here, when the document has changed, and never while drawing.
    const int32_t selected = picture_.selected;
    const CJournal* journal = doc_ ? doc_->Journal() : nullptr;
    picture_ = HistoryPicture(CReadingHistory(journal ? journal->ReadAll() : std::vector<CJournalEntry>{}));
    picture_.today = Today();
    std::array<int32_t, 7> readOn{};
    for (int w = 1; w <= 7 && doc_; ++w)
        readOn[size_t(w - 1)] = doc_->GetReadOnWeekday(w);
    picture_.streaks = picture_.history.StreaksOn(readOn, picture_.today);
    picture_.selected = selected;
    ApplySize();
    update();
    CDrawnViewAccessible::ItemsChanged(this);
}

void CReadingHistoryView::OnUpdate(CView*, long) {
    Refresh();
}

int CReadingHistoryView::FontPixels() const {
    return std::max(QFontInfo(font()).pixelSize(), CCoverageMap::MinimumFontPixels());
}

void CReadingHistoryView::ApplySize() {
    // The scroller gives the view the room there is, but never less than the text needs.
    setMinimumSize(CHistoryLayout::ReadableSize(picture_, FontPixels()));
}

void CReadingHistoryView::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        ApplySize();
        update();
    }
}

CHistoryLayout CReadingHistoryView::CurrentLayout() const {
    return CHistoryLayout(rect(), picture_, FontPixels());
}

void CReadingHistoryView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintHistory(p, rect(), picture_, FontPixels(), &palette());
}

void CReadingHistoryView::SelectDay(int32_t day) {
    const int32_t first = picture_.FirstDay(), last = picture_.today.GetDayNumber();
    picture_.selected = std::clamp(day, first, last);
    ApplySize();
    update();
    if (auto* area = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr)) {
        const QRect r = DayRect(picture_.selected);
        area->ensureVisible(r.center().x(), r.center().y(), r.width() + 20, r.height() + 20);
    }
    CDrawnViewAccessible::FocusMoved(this);
}

bool CReadingHistoryView::ClickAt(const QPoint& p) {
    const int32_t day = CurrentLayout().DayAt(p);
    if (day == 0) return false;
    SelectDay(day);
    return true;
}

void CReadingHistoryView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) ClickAt(e->position().toPoint());
}

void CReadingHistoryView::keyPressEvent(QKeyEvent* e) {
    const int32_t day = picture_.selected ? picture_.selected : picture_.today.GetDayNumber();
    switch (e->key()) {
    case Qt::Key_Left:
        return SelectDay(day - 7);
    case Qt::Key_Right:
        return SelectDay(day + 7);
    case Qt::Key_Up:
        return SelectDay(day - 1);
    case Qt::Key_Down:
        return SelectDay(day + 1);
    case Qt::Key_Home:
        return SelectDay(picture_.FirstDay());
    case Qt::Key_End:
        return SelectDay(picture_.today.GetDayNumber());
    default:
        QWidget::keyPressEvent(e);
    }
}

void CReadingHistoryView::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (picture_.selected == 0) SelectDay(picture_.today.GetDayNumber());
    CDrawnViewAccessible::FocusMoved(this);
}

void CReadingHistoryView::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

// Files and paper: 1280 wide, text at the size of the coverage map's.
QSize CReadingHistoryView::ExportSize() const {
    return QSize(1280, CHistoryLayout::HeightFor(1280, picture_, 14))
        .expandedTo(CHistoryLayout::ReadableSize(picture_, 14));
}

DrawInto CReadingHistoryView::Drawing() const {
    return [this](QPainter& p, const QRect& area) { PaintHistory(p, area, picture_, 14); };
}

QImage CReadingHistoryView::Render() const {
    return DrawingImage(ExportSize(), Drawing());
}

QByteArray CReadingHistoryView::PngBytes() const {
    return DrawingPng(ExportSize(), Drawing());
}

QByteArray CReadingHistoryView::SvgBytes() const {
    return DrawingSvg(ExportSize(), "Reading History", Drawing());
}

bool CReadingHistoryView::SaveAs(const std::string& path, bool svg) const {
    return SaveDrawing(doc_ ? &doc_->Ui() : nullptr, path, svg ? SvgBytes() : PngBytes());
}

void CReadingHistoryView::PrintTo(QPrinter& printer) const {
    PrintDrawing(printer, 1280, ExportSize().height(), Drawing());
}

void CReadingHistoryView::CopyToClipboard() const {
    QGuiApplication::clipboard()->setImage(Render());
}
