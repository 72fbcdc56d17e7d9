// SPDX-License-Identifier: GPL-3.0-or-later
#include "PassageView.h"

#include "PassageSettings.h"

#include "TextReading.h"
#include "foundation/Clock.h"
#include "framework/AppPrinter.h"
#include "framework/CommandIds.h"
#include "framework/TextConvert.h"
#include "framework/Translation.h"
#include "plan/PlanNavigator.h"
#include "plan/ReadingPlanDoc.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"
#include "text/BibleTextSource.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kMinZoom = -5;
constexpr int kMaxZoom = 12;
constexpr const char* kMissingText =
    QT_TRANSLATE_NOOP("CPassageView", "(This verse is not in this translation.)");
// The shown page, the ones either side of it, and a few the reader paged through.
constexpr size_t kKeptPages = 8;
// After a page is shown, the time before the pages either side are read: longer than a frame.
constexpr std::chrono::milliseconds kReadAheadDelay{40};
// Titles in the text's colour, verse numbers and gaps fainter: halfway to the page, which keeps them
// readable on a light page, a dark one and one of high contrast alike.
QString PageStyle(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text), page = palette.color(QPalette::Base);
    const QColor faint((text.red() * 2 + page.red()) / 3, (text.green() * 2 + page.green()) / 3,
                       (text.blue() * 2 + page.blue()) / 3);
    return QString("h2 { margin-top: 14px; margin-bottom: 4px; }"
                   "h3 { margin-top: 10px; margin-bottom: 4px; }"
                   "h4 { margin-top: 8px; margin-bottom: 2px; font-style: italic; }"
                   "p { margin-top: 0px; margin-bottom: 4px; }"
                   "p.title { margin-left: 24px; margin-right: 24px; font-style: italic; }"
                   "sup { color: %1; }"
                   ".missing { color: %1; }")
        .arg(faint.name());
}

QString Html(const std::string& text) {
    return ToQ(text).toHtmlEscaped();
}

} // namespace

CPassageView::CPassageView(const Followed& plan, QWidget* parent, CBibleTextSource* text)
    : QWidget(parent), window_(&plan.window), doc_(&plan.document), navigator_(&plan.navigator),
      commands_(&plan.commands) {
    setObjectName("passageView");
    reading_ = new CTextReading(text ? *text : TheBibleText(), this);
    readingAhead_ = new CTextReading(text ? *text : TheBibleText(), this);
    readAheadTimer_ = new QTimer(this);
    readAheadTimer_->setSingleShot(true);
    readAheadTimer_->setInterval(kReadAheadDelay);
    connect(readAheadTimer_, &QTimer::timeout, this, [this] { ReadAhead(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    problem_ = new QLabel;
    problem_->setObjectName("problem");
    problem_->setWordWrap(true);
    problem_->setContentsMargins(8, 6, 8, 6);
    problem_->setStyleSheet("background: #fff4d6; color: #5a3b00;");
    problem_->hide();
    layout->addWidget(problem_);

    browser_ = new QTextBrowser;
    browser_->setObjectName("passage");
    browser_->setOpenLinks(false);
    browser_->setAccessibleName(QCoreApplication::translate("Accessibility", "Passage text"));
    browser_->document()->setDocumentMargin(12);
    browser_->document()->setDefaultStyleSheet(PageStyle(palette()));
    layout->addWidget(browser_, 1);

    auto* bottom = new QWidget;
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(6, 4, 6, 4);
    finished_ = new QPushButton(QCoreApplication::translate("CPassageView", "Finished Rea&ding"));
    finished_->setObjectName("finishedReading");
    back_ = new QPushButton(QCoreApplication::translate("CPassageView", "&Back to the Assignment"));
    back_->setObjectName("backToAssignment");
    back_->hide();
    enterReading_ = new QPushButton(QCoreApplication::translate("CPassageView", "E&nter Reading"));
    enterReading_->setObjectName("enterReading");
    enterReading_->setToolTip(QCoreApplication::translate("CPassageView", "Enter these verses as read"));
    enterReading_->hide();
    choosePlan_ =
        new QPushButton(QCoreApplication::translate("CPassageView", "Choose a Plan from the &Gallery..."));
    choosePlan_->setObjectName("choosePlan");
    choosePlan_->hide();
    lastRead_ = new QLabel;
    lastRead_->setObjectName("lastRead");
    lastRead_->hide();
    bottomLayout->addWidget(back_);
    bottomLayout->addWidget(choosePlan_);
    bottomLayout->addWidget(lastRead_);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(enterReading_);
    bottomLayout->addWidget(finished_);
    layout->addWidget(bottom);

    auto* bar = new QWidget;
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(6, 3, 6, 3);
    auto* label = new QLabel(QCoreApplication::translate("CPassageView", "&Translation:"));
    translations_ = new QComboBox;
    translations_->setObjectName("translation");
    translations_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label->setBuddy(translations_);
    auto* smaller = new QToolButton;
    smaller->setObjectName("zoomOut");
    smaller->setText("A-");
    smaller->setToolTip(QCoreApplication::translate("CPassageView", "Zoom Out (Ctrl+-)"));
    smaller->setAccessibleName(QCoreApplication::translate("Accessibility", "Smaller text"));
    auto* larger = new QToolButton;
    larger->setObjectName("zoomIn");
    larger->setText("A+");
    larger->setToolTip(QCoreApplication::translate("CPassageView", "Zoom In (Ctrl++)"));
    larger->setAccessibleName(QCoreApplication::translate("Accessibility", "Larger text"));
    find_ = new QLineEdit;
    find_->setObjectName("find");
    find_->setPlaceholderText(QCoreApplication::translate("CPassageView", "Find (Ctrl+F)"));
    find_->setClearButtonEnabled(true);
    find_->setAccessibleName(QCoreApplication::translate("Accessibility", "Find in the passage"));
    find_->setMaximumWidth(220);
    // Its prompt and the clear button whole, however narrow the window.
    find_->setMinimumWidth(find_->fontMetrics().horizontalAdvance(find_->placeholderText()) + 48);
    barLayout->addWidget(label);
    barLayout->addWidget(translations_);
    barLayout->addSpacing(8);
    barLayout->addWidget(smaller);
    barLayout->addWidget(larger);
    barLayout->addStretch(1);
    barLayout->addWidget(find_);
    // The bar is put in last, above the text: the window's focus goes to the text, and Tab goes on
    // through the buttons under it, then round to the bar, so that each is reached every time round.
    layout->insertWidget(0, bar);

    setFocusProxy(browser_);

    auto addShortcut = [this](const QList<QKeySequence>& keys, auto slot) {
        auto* a = new QAction(this);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
    };
    // Ctrl++ and Ctrl+- are the View menu's, whose commands the passage takes for its own text.
    addShortcut({QKeySequence("Ctrl+=")}, [this] { ZoomIn(); });
    addShortcut({QKeySequence::Find}, [this] {
        find_->setFocus();
        find_->selectAll();
    });
    addShortcut({QKeySequence::FindNext}, [this] { FindNext(find_->text()); });
    // Page Up and Down scroll the text from anywhere in the window (the day moves with Alt).
    addShortcut({QKeySequence(Qt::Key_PageDown)},
                [this] { browser_->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd); });
    addShortcut({QKeySequence(Qt::Key_PageUp)},
                [this] { browser_->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub); });

    connect(smaller, &QToolButton::clicked, this, [this] { ZoomOut(); });
    connect(larger, &QToolButton::clicked, this, [this] { ZoomIn(); });
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindNext(find_->text()); });
    connect(find_, &QLineEdit::textEdited, this, [this] { find_->setStyleSheet(QString()); });
    connect(finished_, &QPushButton::clicked, this, [this] { OnFinishedReading(); });
    connect(back_, &QPushButton::clicked, this, [this] { ShowAssignment(); });
    connect(choosePlan_, &QPushButton::clicked, this, [this] {
        if (window_) commands_->OnCmdMsg(Cmd::NewPlanFromGallery);
    });
    connect(enterReading_, &QPushButton::clicked, this, [this] {
        if (window_ && range_) doc_->OnEnterReadingOf(range_->first, range_->second);
    });

    MapCommand(Cmd::EditCopy, [this] { OnCopy(); });
    MapCommand(Cmd::FilePrint, [this] { OnPrint(); });
    MapCommand(Cmd::FilePrintPreview, [this] { OnPrintPreview(); });
    MapCommand(Cmd::ReadAssignment, [this] { ShowAssignment(); });
    MapCommand(Cmd::PassageZoomIn, [this] { ZoomIn(); });
    MapCommand(Cmd::PassageZoomOut, [this] { ZoomOut(); });
    MapCommand(Cmd::ViewZoomIn, [this] { ZoomIn(); });
    MapCommand(Cmd::ViewZoomOut, [this] { ZoomOut(); });
    MapCommand(Cmd::ViewActualSize, [this] { SetZoom(0); });
    MapCommand(Cmd::FinishedReading, [this] { OnFinishedReading(); });
    MapUpdate(Cmd::FinishedReading, [this](CCmdUI& ui) {
        if (!window_ || !commands_->OnUpdateCmdUI(Cmd::FinishedReading, ui)) ui.Enable(false);
    });

    QSettings settings = UserSettings();
    if (QString group = SettingsGroup(); !group.isEmpty()) {
        settings.beginGroup(group);
        module_ = settings.value(kPassageModuleKey).toString();
        zoom_ = std::clamp(settings.value(kPassageZoomKey, 0).toInt(), kMinZoom, kMaxZoom);
    }
    connect(translations_, &QComboBox::activated, this,
            [this](int i) { ChooseModule(translations_->itemData(i).toString()); });
    ApplyZoom();
    plan.document.AddView(this);
    Refresh();
}

CPassageView::~CPassageView() = default;

QString CPassageView::SettingsGroup() const {
    return window_ ? ReaderSettingsGroup(doc_->Reader().fileStem) : QString();
}

void CPassageView::Remember(const QString& key, const QVariant& value) const {
    QString group = SettingsGroup();
    if (group.isEmpty()) return;
    QSettings settings = UserSettings();
    settings.beginGroup(group);
    settings.setValue(key, value);
}

void CPassageView::FillTranslations(const std::vector<CTextModuleInfo>& modules) {
    QStringList names;
    for (const CTextModuleInfo& m : modules)
        names << ToQ(m.name);
    QStringList shown;
    for (int i = 0; i < translations_->count(); ++i)
        shown << translations_->itemData(i).toString();
    // Not known while the modules could not be listed: the list stays as it is.
    if (names == shown || modules.empty()) return;
    translations_->clear();
    for (const CTextModuleInfo& m : modules)
        translations_->addItem(ToQ(m.description + " (" + m.name + ")"), ToQ(m.name));
    translations_->setEnabled(translations_->count() > 0);
    // The window keeps room for the translation's whole name rather than cutting it.
    translations_->setMinimumWidth(translations_->sizeHint().width());
}

void CPassageView::ChooseModule(const QString& name) {
    module_ = name;
    ForgetPages();
    Remember(kPassageModuleKey, name);
    Refresh();
}

QFont CPassageView::PageFont() const {
    QFont f = font();
    const qreal base = f.pointSizeF() > 0 ? f.pointSizeF() : 10;
    f.setPointSizeF(std::max<qreal>(4, base * (1.0 + zoom_ * 0.15)));
    return f;
}

void CPassageView::ApplyZoom() {
    ForgetPages();
    browser_->document()->setDefaultFont(PageFont());
}

void CPassageView::ForgetPages() {
    readingAhead_->Cancel();
    std::vector<Page> left;
    for (Page& page : pages_) {
        if (page.document == browser_->document()) {
            // Still shown, but never shown again for its key.
            page.key.clear();
            page.keep = false;
            left.push_back(std::move(page));
        } else {
            delete page.document;
        }
    }
    pages_ = std::move(left);
}

void CPassageView::SetZoom(int steps) {
    zoom_ = std::clamp(steps, kMinZoom, kMaxZoom);
    Remember(kPassageZoomKey, zoom_);
    ApplyZoom();
}

void CPassageView::ZoomIn() {
    SetZoom(zoom_ + 1);
}

void CPassageView::ZoomOut() {
    SetZoom(zoom_ - 1);
}

void CPassageView::OnUpdate(CView*, long) {
    history_.reset();
    Refresh();
}

void CPassageView::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // Another theme: the pages are laid out again in its colours.
    if (e->type() == QEvent::PaletteChange && browser_) {
        ForgetPages();
        Refresh();
    }
}

bool CPassageView::OnCmdMsg(int id) {
    if (CCmdTarget::OnCmdMsg(id)) return true;
    if (!window_) return false;
    return commands_->OnCmdMsg(id) || doc_->OnCmdMsg(id);
}

bool CPassageView::OnUpdateCmdUI(int id, CCmdUI& ui) const {
    if (CCmdTarget::OnUpdateCmdUI(id, ui)) return true;
    if (!window_) return false;
    return commands_->OnUpdateCmdUI(id, ui) || doc_->OnUpdateCmdUI(id, ui);
}

void CPassageView::ShowRange(uint16_t first, uint16_t last) {
    if (!window_ || last < first) return;
    range_ = std::make_pair(first, last);
    rangeIndex_ = navigator_->GetIndex();
    Refresh();
    browser_->verticalScrollBar()->setValue(0);
}

void CPassageView::ShowAssignment() {
    range_.reset();
    Refresh();
}

void CPassageView::UpdateButton() {
    CCmdUI ui;
    finished_->setEnabled(OnUpdateCmdUI(Cmd::FinishedReading, ui) && ui.enabled);
    // A range picked elsewhere is entered as read; the assignment is finished.
    const bool noPlan = window_ && doc_->CountPlanVerses() == 0;
    finished_->setVisible(!range_ && !noPlan);
    choosePlan_->setVisible(noPlan && !range_);
    enterReading_->setVisible(range_.has_value());
    back_->setVisible(range_.has_value());
}

CPassageView::PageRequest CPassageView::RequestFor(const CPlanNavigator& navigator,
                                                   std::optional<std::pair<uint16_t, uint16_t>> range) const {
    PageRequest page;
    const CPlanElement assignment = navigator.Current();
    if (range)
        page.parts.push_back(
            {RangeText(range->first, range->second, ShownForms()), range->first, range->second});
    else
        for (uint16_t i = 0; i < assignment.GetRangeCount(); ++i)
            page.parts.push_back({navigator.GetReadingText(i, ShownForms()), assignment.GetRangeStart(i),
                                  assignment.GetRangeEnd(i)});
    // The day shown is named with its first reading, so that it is never taken for another.
    if (!range && !page.parts.empty())
        page.parts.front().heading =
            FromQ(DateText(assignment.GetScheduledDate())) + " \u2014 " + page.parts.front().heading;
    if (page.parts.empty()) {
        page.status = ToQ(navigator.ShowsStatusOnly() ? navigator.StatusText(ShownForms())
                                                      : navigator.GetLineText(5, Today(), ShownForms()));
        if (doc_ && doc_->CountPlanVerses() == 0)
            page.status +=
                "\n" + tr("To begin, choose one of the ready plans, or make one with the template editor.");
    }
    page.key = module_ + QChar(0x1f) + page.status;
    for (const Part& part : page.parts)
        page.key += QChar(0x1f) + ToQ(part.heading) + QChar(0x1e) + QString::number(part.first) + '-' +
                    QString::number(part.last);
    return page;
}

CTextRequest CPassageView::TextRequestFor(const PageRequest& page) const {
    CTextRequest request;
    request.module = FromQ(module_);
    // Until the reader chooses a translation, one in the reader's language is read when installed.
    request.language = FromQ(QLocale().name().section('_', 0, 0));
    for (const Part& part : page.parts)
        request.spans.emplace_back(part.first, part.last);
    return request;
}

CPassageView::Page* CPassageView::FindPage(const QString& key) {
    for (Page& page : pages_)
        if (page.keep && page.key == key) return &page;
    return nullptr;
}

void CPassageView::Refresh() {
    if (!window_) return;
    const CPlanNavigator& navigator = *navigator_;
    const int index = navigator.GetIndex();
    // The plan window has moved on: follow it again.
    if (range_ && index != rangeIndex_) range_.reset();
    const auto range = range_;
    PageRequest request = RequestFor(navigator, range);
    if (Page* kept = FindPage(request.key)) {
        // Shown at once; a read still under way for another page is no longer wanted.
        reading_->Cancel();
        Display(*kept, index, range);
    } else {
        CTextRequest text = TextRequestFor(request);
        reading_->Read(std::move(text), [this, request, index, range](const CTextAnswer& answer) {
            FillTranslations(answer.modules);
            Display(MakePage(answer, request), index, range);
        });
        if (reading_->Busy()) {
            problem_->setText(QCoreApplication::translate("CPassageView", "Reading the text…"));
            problem_->show();
        }
    }
    UpdateButton();
}

bool CPassageView::IsReading() const {
    return reading_->Busy();
}

bool CPassageView::IsReadingAhead() const {
    return readingAhead_->Busy() || readAheadTimer_->isActive();
}

int CPassageView::KeptPages() const {
    return static_cast<int>(
        std::count_if(pages_.begin(), pages_.end(), [](const Page& p) { return p.keep; }));
}

CPassageView::Page& CPassageView::MakePage(const CTextAnswer& answer, const PageRequest& request) {
    CBible& bible = TheBible();
    const std::vector<Part>& parts = request.parts;
    QString html;
    if (parts.empty()) html += "<p>" + request.status.toHtmlEscaped().replace('\n', "</p><p>") + "</p>";
    for (size_t p = 0; p < parts.size(); ++p) {
        html += "<h2>" + Html(parts[p].heading) + "</h2>";
        if (p >= answer.passages.size()) continue;
        uint16_t book = 0, chapter = 0;
        for (const CVerseText& v : answer.passages[p].verses) {
            const CVerse r = bible.GetVerseAt(v.index);
            if (r.GetBook() != book || r.GetChapter() != chapter) {
                book = r.GetBook();
                chapter = r.GetChapter();
                std::string name = FromQ(ShownBookName(book));
                if (bible.GetChapterCount(book) > 1) name += " " + std::to_string(chapter);
                html += "<h3>" + Html(name) + "</h3>";
            }
            for (const std::string& h : v.headings)
                html += "<h4>" + Html(h) + "</h4>";
            const QString anchor = QString("<a name=\"v%1\">").arg(v.index);
            const QString text = v.missing
                                     ? QString("<span class=\"missing\">%1</span>")
                                           .arg(QCoreApplication::translate("CPassageView", kMissingText))
                                     : Html(v.text).replace('\n', "<br/>");
            if (r.GetVerse() == 0)
                html += "<p class=\"title\">" + anchor + text + "</a></p>";
            else
                html += "<p>" + anchor + "<sup>" + QString::number(r.GetVerse()) + "</sup></a>&nbsp;" + text +
                        "</p>";
        }
    }

    Page page;
    page.key = request.key;
    page.document = new QTextDocument(this);
    page.document->setDocumentMargin(12);
    page.document->setDefaultStyleSheet(PageStyle(palette()));
    page.document->setDefaultFont(PageFont());
    page.document->setHtml(html);
    // Its layout made now, while the reader reads, rather than when the page is asked for.
    page.document->documentLayout();
    for (QTextBlock b = page.document->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            for (const QString& name : it.fragment().charFormat().anchorNames())
                if (name.startsWith('v'))
                    page.verseStarts.emplace_back(it.fragment().position(),
                                                  static_cast<uint16_t>(name.mid(1).toUInt()));
    page.module = ToQ(answer.module);
    page.problem = ToQ(answer.problem);
    page.keep = answer.problem.empty();
    page.used = ++pageUse_;

    // The page least recently used goes, never the one on screen.
    if (pages_.size() >= kKeptPages) {
        auto oldest = pages_.end();
        for (auto it = pages_.begin(); it != pages_.end(); ++it)
            if (it->document != browser_->document() && (oldest == pages_.end() || it->used < oldest->used))
                oldest = it;
        if (oldest != pages_.end()) {
            delete oldest->document;
            pages_.erase(oldest);
        }
    }
    pages_.push_back(std::move(page));
    return pages_.back();
}

void CPassageView::Display(Page& page, int index, std::optional<std::pair<uint16_t, uint16_t>> range) {
    page.used = ++pageUse_;
    // Copies: a page that goes below may move the others.
    QTextDocument* const document = page.document;
    const QString module = page.module;
    const std::vector<std::pair<int, uint16_t>> verseStarts = page.verseStarts;
    const QString problem = page.problem;
    if (int i = translations_->findData(module); i >= 0) translations_->setCurrentIndex(i);

    const bool same = index == shownIndex_ && range == shownRange_ && module == shownModule_;
    const int scroll = browser_->verticalScrollBar()->value();
    QTextDocument* old = browser_->document();
    if (old != document) {
        browser_->setDocument(document);
        // A page no longer kept goes once it is off the screen.
        auto it =
            std::find_if(pages_.begin(), pages_.end(), [old](const Page& p) { return p.document == old; });
        if (it != pages_.end() && !it->keep) {
            delete it->document;
            pages_.erase(it);
        }
    }
    browser_->verticalScrollBar()->setValue(same ? scroll : 0);
    shownIndex_ = index;
    shownRange_ = range;
    shownModule_ = module;
    verseStarts_ = verseStarts;
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    QString lastRead;
    if (doc_ && navigator_ && window_) {
        if (!history_)
            history_ = std::make_unique<CReadingHistory>(doc_->Journal() ? doc_->Journal()->ReadAll()
                                                                         : std::vector<CJournalEntry>{});
        std::string last;
        int32_t lastDay = 0;
        for (const Part& part : RequestFor(*navigator_, range).parts)
            if (const int32_t day = history_->LastRead(part.first, part.last); day > lastDay) {
                lastDay = day;
                last = history_->LastReadText(part.first, part.last);
            }
        lastRead = ToQ(last);
    }
    lastRead_->setText(lastRead);
    lastRead_->setVisible(!lastRead.isEmpty());
    QString title = tr("Passage");
    if (int i = translations_->findData(module); i >= 0)
        title += " - " + translations_->itemText(i).section(" (", 0, 0);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->setWindowTitle(title);
    setWindowTitle(title);
    // Read ahead once the page is on the screen, so that the key that asked for it has the
    // processors to itself.
    if (!range) readAheadTimer_->start();
}

void CPassageView::ReadAhead() {
    if (!window_ || readingAhead_->Busy()) return;
    for (int step : {1, -1}) {
        CPlanNavigator neighbour = *navigator_;
        if (step > 0 ? !neighbour.CanNext() : !neighbour.CanPrevious()) continue;
        step > 0 ? neighbour.Next() : neighbour.Previous();
        PageRequest request = RequestFor(neighbour, std::nullopt);
        if (request.parts.empty() || FindPage(request.key)) continue;
        readingAhead_->Read(
            TextRequestFor(request),
            [this, request](const CTextAnswer& answer) {
                if (answer.problem.empty() && !FindPage(request.key)) MakePage(answer, request);
                // The next neighbour, now that the thread is free.
                QMetaObject::invokeMethod(
                    this, [this] { ReadAhead(); }, Qt::QueuedConnection);
            },
            std::chrono::milliseconds(0));
        return;
    }
}

void CPassageView::OnFinishedReading() {
    // The plan window's own command, so that both mark the plan the same way.
    if (window_) commands_->OnCmdMsg(Cmd::FinishedReading);
    UpdateButton();
}

QString CPassageView::CopyText() const {
    QTextCursor cursor = browser_->textCursor();
    const bool selection = cursor.hasSelection();
    QString text = selection ? cursor.selectedText() : browser_->document()->toPlainText();
    text.replace(QChar::ParagraphSeparator, '\n').replace(QChar::LineSeparator, '\n');
    text = text.trimmed();
    // The whole passage carries its references in its reading headings.
    if (!selection) return text;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    int first = -1, last = -1;
    for (const auto& [position, verse] : verseStarts_) {
        if (position <= start || first < 0) first = verse;
        if (position < end) last = verse;
        if (position > start && first >= 0 && position >= end) break;
    }
    if (first < 0 || last < first) return text;
    return text + "\n(" +
           ToQ(RangeText(static_cast<uint16_t>(first), static_cast<uint16_t>(last), ShownForms())) + ", " +
           shownModule_ + ")";
}

void CPassageView::OnCopy() {
    if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(CopyText());
}

void CPassageView::PrintTo(QPrinter& printer) {
    // Paper gets the text at its own size, whatever the zoom on screen.
    std::unique_ptr<QTextDocument> copy(browser_->document()->clone());
    copy->setDefaultFont(font());
    copy->print(&printer);
}

void CPassageView::OnPrint() {
    QPrinter& printer = ApplicationPrinter();
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintTo(printer);
}

void CPassageView::OnPrintPreview() {
    QPrinter& printer = ApplicationPrinter();
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintTo(*p); });
    preview.exec();
}

bool CPassageView::FindNext(const QString& text) {
    if (text.isEmpty()) return false;
    bool found = browser_->find(text);
    if (!found) {
        QTextCursor top = browser_->textCursor();
        top.movePosition(QTextCursor::Start);
        browser_->setTextCursor(top);
        found = browser_->find(text);
    }
    find_->setStyleSheet(found ? QString() : QString("background: #ffd6d6;"));
    return found;
}
