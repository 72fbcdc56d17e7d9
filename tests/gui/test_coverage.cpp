// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelpers.h"
#include "PlanFixture.h"
#include "Screenshots.h"
#include "coverage/CoverageFrame.h"
#include "coverage/CoverageMap.h"
#include "coverage/ReadingHistoryFrame.h"
#include "coverage/ReadingHistoryView.h"
#include "coverage/UnreadPlan.h"
#include "coverage/UnreadPlanDialog.h"
#include "framework/CommandIds.h"
#include "framework/Theme.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/PlanDialogs.h"
#include "planview/ReadingPlanView.h"
#include "shell/MainFrame.h"
#include "shell/PlanChildFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QToolTip>
#include <QtTest>

namespace {

const QSize kMapSize(1280, 900);

QColor Level(CoverageLevel level) {
    return CCoverageMapPainter::kLevelColours[static_cast<size_t>(level)];
}

// The colour in the middle of a chapter's cell and on its bottom edge.
struct CellColours {
    QColor middle, bottom;
};
CellColours Colours(const QImage& image, const CCoverageLayout& layout, uint16_t book, uint16_t chapter) {
    const QRect cell = layout.CellRect(book, chapter);
    return {image.pixelColor(cell.center().x(), cell.top() + 1),
            image.pixelColor(cell.center().x(), cell.bottom())};
}

// Writes a history file whose every verse (or the first length) has the given count.
void WriteHistory(const CReaderContext& context, uint16_t count, uint16_t length = 0) {
    CArchive ar;
    ar.WriteDWord(1);
    ar.WriteDWord(0);
    const uint16_t n = length ? length : TheBible().GetTotalVerseCount();
    ar.WriteWord(n);
    for (uint16_t i = 0; i < n; ++i)
        ar.WriteWord(count);
    ar.WriteWord(0);
    SaveFileAtomic(JoinStem(context.baseDirectory, context.fileStem) + ".vnpro", ar.Bytes());
}

} // namespace

class TestCoverage : public QObject {
    Q_OBJECT

    QTemporaryDir config_;

private slots:
    void init() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path()); }
    void cleanup() { SetTodayOverride(std::nullopt); }

    // Three histories: nothing read, a plan of the Old Testament half read,
    // everything read twice. The colours are checked where the cells are.
    void mapOfThreeHistories() {
        CBible& bible = TheBible();
        struct Case {
            const char* name;
            int history; // 0 none, 1 half-read plan, 2 twice
        } cases[] = {{"coverage-empty", 0},
                     {"coverage-half-plan", 1},
                     {"coverage-twice", 2},
                     {"coverage-short-history", 3}};
        for (const Case& c : cases) {
            PlanFixture f;
            if (c.history == 1) {
                // One assignment a book of the Old Testament; the first 19 books read in the plan.
                std::vector<CPlanElement> elements;
                std::set<uint16_t> read;
                for (uint16_t b = 1; b < kFirstNewTestamentBook; ++b) {
                    const uint16_t first = bible.GetChapterStart(b, 1);
                    const uint16_t last = static_cast<uint16_t>(first + bible.GetBookVerseCount(b) - 1);
                    elements.push_back(
                        PlanFixture::Assignment(Day(2026, 1, b), Day(2026, 1, b), {{first, last}}));
                    if (b <= 19)
                        for (uint32_t v = first; v <= last; ++v)
                            read.insert(static_cast<uint16_t>(v));
                }
                f.Load(elements, read);
            } else {
                if (c.history == 2) WriteHistory(f.context, 2);
                // An old or damaged file: counts for Genesis 1 and nine verses of Genesis 2 only.
                if (c.history == 3) WriteHistory(f.context, 3, 40);
                f.doc = std::make_unique<CReadingPlanDoc>(f.ui, f.context);
                f.doc->OnNewDocument();
            }
            CCoverageMap map(*f.doc);
            map.resize(kMapSize);
            const QImage image = map.Render(kMapSize);
            const QImage grabbed = map.grab().toImage();
            const CCoverageLayout layout = map.CurrentLayout();
            SaveScreenshot(&map, c.name);
            struct Expect {
                uint16_t book, chapter;
                CoverageLevel level;
                QColor bottom;
            };
            const QColor none = Level(CoverageLevel::none);
            std::vector<Expect> expects;
            if (c.history == 0)
                expects = {{1, 1, CoverageLevel::none, none},
                           {19, 150, CoverageLevel::none, none},
                           {66, 22, CoverageLevel::none, none}};
            if (c.history == 1)
                expects = {{1, 1, CoverageLevel::once, CCoverageMapPainter::kReadInPlanColour},
                           {19, 119, CoverageLevel::once, CCoverageMapPainter::kReadInPlanColour},
                           {20, 1, CoverageLevel::none, CCoverageMapPainter::kToReadColour},
                           {39, 4, CoverageLevel::none, CCoverageMapPainter::kToReadColour},
                           {40, 1, CoverageLevel::none, none},
                           {66, 22, CoverageLevel::none, none}};
            if (c.history == 2)
                expects = {{1, 1, CoverageLevel::twice, Level(CoverageLevel::twice)},
                           {19, 3, CoverageLevel::twice, Level(CoverageLevel::twice)},
                           {65, 1, CoverageLevel::twice, Level(CoverageLevel::twice)},
                           {66, 22, CoverageLevel::twice, Level(CoverageLevel::twice)}};
            if (c.history == 3)
                expects = {{1, 1, CoverageLevel::threePlus, Level(CoverageLevel::threePlus)},
                           {1, 2, CoverageLevel::part, Level(CoverageLevel::part)},
                           {1, 3, CoverageLevel::none, none},
                           {66, 22, CoverageLevel::none, none}};
            for (const Expect& e : expects) {
                const CellColours got = Colours(image, layout, e.book, e.chapter);
                const QString where = QString("%1 %2:%3").arg(c.name).arg(e.book).arg(e.chapter);
                QVERIFY2(got.middle == Level(e.level), qPrintable(where + " " + got.middle.name()));
                QVERIFY2(got.bottom == e.bottom, qPrintable(where + " bottom " + got.bottom.name()));
                // The window draws what the files get.
                QCOMPARE(Colours(grabbed, layout, e.book, e.chapter).middle, got.middle);
            }
            // Between two cells of a row there is the background.
            const QRect g1 = layout.CellRect(1, 1);
            QCOMPARE(image.pixelColor(g1.right() + 1, g1.center().y()), QColor(Qt::white));
            // Nothing beyond a book's last chapter.
            QVERIFY(layout.CellRect(1, 51).isEmpty() || !layout.ChapterAt(layout.CellRect(1, 51).center()));
        }
    }

    // Hovering tells a chapter's counts; clicking opens Enter Reading on it.
    void hoverAndClick() {
        PlanFixture f;
        WriteHistory(f.context, 0);
        f.doc = std::make_unique<CReadingPlanDoc>(f.ui, f.context);
        f.doc->OnNewDocument();
        f.doc->AddLifetimeReading(TheBible().GetVerseIndex(43, 3, 1), TheBible().GetVerseIndex(43, 3, 16));
        CCoverageMap map(*f.doc);
        map.resize(kMapSize);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const CCoverageLayout layout = map.CurrentLayout();
        const QPoint john3 = layout.CellRect(43, 3).center();

        QTest::mouseMove(&map, john3);
        QHelpEvent help(QEvent::ToolTip, john3, map.mapToGlobal(john3));
        QApplication::sendEvent(&map, &help);
        QCOMPARE(QToolTip::text(), QString("John 3\n16 of 36 verses read\nLifetime counts 0 to 1"));
        QCOMPARE(map.ToolTipAt(layout.CellRect(19, 3).center()),
                 QString("Psalms 3\n0 of 9 verses read\nLifetime count 0"));
        QCOMPARE(map.ToolTipAt(QPoint(2, 2)), QString());

        // Click: the dialog comes with John 3 whole; the answer is recorded and drawn.
        const uint16_t first = TheBible().GetVerseIndex(43, 3, 1), last = TheBible().GetVerseIndex(43, 3, 36);
        f.ui.extraReadingAnswers = {ExtraReading{first, last, 0}};
        QTest::mouseClick(&map, Qt::LeftButton, {}, john3);
        QCOMPARE(f.ui.extraReadingRangesOffered.size(), size_t(1));
        QCOMPARE(f.ui.extraReadingRangesOffered[0].first, first);
        QCOMPARE(f.ui.extraReadingRangesOffered[0].second, last);
        QCOMPARE(map.Coverage().Find(43, 3)->read, uint16_t(36));
        QCOMPARE(Colours(map.grab().toImage(), layout, 43, 3).middle, Level(CoverageLevel::once));
        // A click beside the cells asks nothing.
        QTest::mouseClick(&map, Qt::LeftButton, {}, QPoint(2, layout.CellRect(43, 3).center().y()));
        QCOMPARE(f.ui.extraReadingRangesOffered.size(), size_t(1));
    }

    // The real dialog starts on the chapter it was given.
    void enterReadingStartsOnTheChapter() {
        const uint16_t first = TheBible().GetVerseIndex(19, 3, 0), last = TheBible().GetVerseIndex(19, 3, 8);
        QString start, end;
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CEnterExtraReadingDialog*>(w);
            QVERIFY(d);
            start = d->StartBox()->text();
            end = d->EndBox()->text();
            SaveScreenshot(d, "coverage-enter-reading");
            d->PlanTooButton()->setChecked(true);
            d->accept();
        });
        const auto got = RunEnterExtraReadingDialog(nullptr, 1, std::make_pair(first, last));
        QCOMPARE(start, QString("Psalms 3:0"));
        QCOMPARE(end, QString("Psalms 3:8"));
        QVERIFY(got.has_value());
        QCOMPARE(got->start, first);
        QCOMPARE(got->end, last);
    }

    // In the program: View > Bible Coverage, the window follows the plan,
    // saves its pictures, closes by its box and with the environment; New
    // Plan from Unread Chapters; where the plan stands in the plan window.
    void coverageWindowInTheProgram() {
        QTemporaryDir base;
        QDir::setCurrent(base.path());
        SetTodayOverride(Day(2026, 12, 7)); // a Monday
        auto app = std::make_unique<CScrivaneApp>();
        QVERIFY(app->InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app->MainFrame();
        frame->resize(1100, 800);
        frame->show();
        QVERIFY(app->Environment().CreateReader({"Anna", "Berg", "Anna"}, {}) >= 0);
        frame->UpdateCommandUi();
        QVERIFY(!frame->FindAction(Cmd::ViewBibleCoverage)->isEnabled());
        app->Environment().LastReader() = "Anna";
        OnNextModal([](QWidget* w) { w->findChild<QPushButton*>("1")->click(); });
        frame->OnCommand(Cmd::OpenReaderEnvironment);
        QVERIFY(app->Environment().IsOpen());
        frame->UpdateCommandUi();

        // A plan of the unread chapters (all of them) over four weeks of weekdays.
        OnNextModal([](QWidget* w) {
            auto* d = qobject_cast<CUnreadPlanDialog*>(w);
            QVERIFY(d);
            d->DaysBox()->setValue(28);
            d->WeekdayBox(1)->setChecked(false);
            d->WeekdayBox(7)->setChecked(false);
            SaveScreenshot(d, "coverage-unread-plan-dialog");
            d->accept();
        });
        frame->OnCommand(Cmd::NewPlanFromUnreadChapters);
        CReadingPlanView* planView = nullptr;
        CPlanChildFrame* planFrame = nullptr;
        for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
            if (auto* pf = qobject_cast<CPlanChildFrame*>(w)) {
                planFrame = pf;
                planView = dynamic_cast<CReadingPlanView*>(pf->View());
            }
        QVERIFY(planView && planFrame);
        CReadingPlanDoc& doc = planView->Document();
        QCOMPARE(QString::fromStdString(doc.GetTemplateTitle()), QString("Unread Chapters"));
        QCOMPARE(doc.GetElementCount(), uint16_t(20));
        QCOMPARE(doc.CountPlanVerses(), uint32_t(31218));
        const CReaderContext& anna = app->Environment().Context();
        const std::string importPath = UnreadPlanPath(anna.baseDirectory, anna.fileStem);
        QVERIFY(QString::fromStdString(importPath).endsWith("/Unread Chapters.txt"));
        QVERIFY(FileExists(importPath));
        QCOMPARE(planFrame->ScheduleDay()->text(), QString("Day 1 of 20"));
        QCOMPARE(planFrame->ScheduleStatus()->text(), QString("on schedule"));
        QVERIFY(planFrame->SynchronizeButton()->isHidden());

        // Three reading days later, one finished: two behind, and Synchronize Dates at hand. The change,
        // its undoing and redoing are told in the strip, where a screen reader hears them.
        frame->MdiArea()->setActiveSubWindow(planFrame);
        frame->OnCommand(Cmd::FinishedReading);
        QVERIFY(planFrame->LastChange()->isVisible());
        const QString told = planFrame->LastChange()->text();
        QVERIFY2(told.startsWith("Finished Reading. Reading plan ") && told.endsWith("% completed."),
                 qPrintable(told));
        frame->OnCommand(Cmd::EditUndo);
        QCOMPARE(planFrame->LastChange()->text(),
                 QString("Undone: Finished Reading. Reading plan 0.00% completed."));
        frame->OnCommand(Cmd::EditRedo);
        QCOMPARE(planFrame->LastChange()->text(), "Redone: " + told);
        SetTodayOverride(Day(2026, 12, 10));
        planView->Redraw();
        QCOMPARE(planFrame->ScheduleDay()->text(), QString("Day 4 of 20"));
        QCOMPARE(planFrame->ScheduleStatus()->text(), QString("2 behind"));
        // Behind, in the overdue colour and bold, readable on the strip in every theme; back on
        // schedule, as the strip's other texts.
        for (Theme theme : {Theme::dark, Theme::highContrast, Theme::light}) {
            ApplyTheme(theme);
            QApplication::processEvents();
            planView->setFocus();
            SaveScreenshot(frame, QString("plan-window-theme-%1").arg(static_cast<int>(theme)));
            const QPalette shown = planFrame->ScheduleStatus()->palette();
            QCOMPARE(shown.color(QPalette::Window), QApplication::palette().color(QPalette::Window));
            QCOMPARE(shown.color(QPalette::WindowText), MarkColoursFor(shown, QPalette::Window).overdue);
            QVERIFY(ContrastRatio(shown.color(QPalette::WindowText), shown.color(QPalette::Window)) >= 4.5);
        }
        ApplyTheme(Theme::desktop);
        QVERIFY(planFrame->ScheduleStatus()->font().bold());

        QVERIFY(!planFrame->SynchronizeButton()->isHidden());
        SaveScreenshot(planFrame, "coverage-plan-behind");
        QTest::mouseClick(planFrame->SynchronizeButton(), Qt::LeftButton);
        QCOMPARE(planFrame->ScheduleDay()->text(), QString("Day 2 of 20"));

        // At 300 % no line of the day is cut off: the view is as large as its lines and scrolls in its
        // window, and the reading the keyboard moves to is brought into view.
        for (int i = 0; i < 12; ++i)
            frame->OnCommand(Cmd::ViewZoomIn);
        const QRect planPlace = planFrame->geometry();
        planFrame->resize(560, 400);
        QApplication::processEvents();
        QVERIFY(planView->font().pointSizeF() >= QApplication::font().pointSizeF() * 2.99);
        auto* planScroller = planFrame->findChild<QScrollArea*>("planScroller");
        QVERIFY(planScroller);
        const QSize content = planView->ContentSize();
        SaveScreenshot(frame, "plan-window-300");
        QVERIFY(planView->width() >= content.width() && planView->height() >= content.height());
        QVERIFY(content.height() > planScroller->viewport()->height());
        planView->SetFocusedReading(1000);
        QVERIFY(planScroller->verticalScrollBar()->value() > 0);
        frame->OnCommand(Cmd::ViewActualSize);
        planFrame->setGeometry(planPlace);
        QCOMPARE(planFrame->ScheduleStatus()->text(), QString("on schedule"));
        QCOMPARE(planFrame->ScheduleStatus()->palette().color(QPalette::WindowText),
                 planFrame->ScheduleDay()->palette().color(QPalette::WindowText));
        QVERIFY(!planFrame->ScheduleStatus()->font().bold());
        QVERIFY(planFrame->SynchronizeButton()->isHidden());

        // The dialog offers the reader's last choice again.
        int daysOffered = 0;
        bool saturdayOffered = true;
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CUnreadPlanDialog*>(w);
            QVERIFY(d);
            daysOffered = d->DaysBox()->value();
            saturdayOffered = d->WeekdayBox(7)->isChecked();
            d->reject();
        });
        frame->OnCommand(Cmd::NewPlanFromUnreadChapters);
        QCOMPARE(daysOffered, 28);
        QVERIFY(!saturdayOffered);
        QCOMPARE(doc.GetElementCount(), uint16_t(20));

        // The coverage window, once however often it is asked for.
        frame->UpdateCommandUi();
        QVERIFY(frame->FindAction(Cmd::ViewBibleCoverage)->isEnabled());
        frame->OnCommand(Cmd::ViewBibleCoverage);
        frame->OnCommand(Cmd::ViewBibleCoverage);
        CCoverageFrame* coverage = CCoverageFrame::Find(frame->MdiArea());
        QVERIFY(coverage);
        int count = 0;
        for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
            count += qobject_cast<CCoverageFrame*>(w) != nullptr;
        QCOMPARE(count, 1);
        QCOMPARE(frame->CurrentMenu(), kCoverageMenu);
        QVERIFY(coverage->windowFlags() & Qt::WindowCloseButtonHint);
        CCoverageMap* map = coverage->Map();
        QCOMPARE(map->Coverage().Find(1, 1)->readInPlan, uint16_t(map->Coverage().Find(1, 1)->inPlan));

        // It follows the plan: Finished Reading in the plan window shows here.
        frame->MdiArea()->setActiveSubWindow(planFrame);
        frame->OnCommand(Cmd::FinishedReading);
        const uint16_t secondFirst = doc.GetElement(1).GetRangeStart(0);
        const CVerse second = TheBible().GetVerseAt(secondFirst);
        QCOMPARE(PlanMarkOf(*map->Coverage().Find(second.GetBook(), second.GetChapter())),
                 PlanMark::readInPlan);
        frame->MdiArea()->setActiveSubWindow(coverage);
        QCOMPARE(frame->CurrentMenu(), kCoverageMenu);
        SaveScreenshot(frame, "coverage-window");

        // Never drawn below the desktop's smallest readable text: at the window's default size the
        // map scrolls; zoom steps through the keys, and out only as far as the text stays readable.
        const int smallest = CCoverageMap::MinimumFontPixels();
        QApplication::processEvents();
        QCOMPARE(map->Zoom(), 1.0);
        QVERIFY(map->CurrentLayout().FontPixels() >= smallest);
        auto* scroller = coverage->findChild<QScrollArea*>("coverageScroller");
        QVERIFY(scroller);
        const QSize fitted = map->size();
        QVERIFY(fitted.width() >= scroller->viewport()->width());
        QApplication::setActiveWindow(frame);
        QVERIFY(QTest::qWaitForWindowActive(frame));
        map->setFocus();
        QTest::keyClick(map, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(map->Zoom(), 1.1);
        QVERIFY(map->width() > fitted.width());
        for (int i = 0; i < 10; ++i)
            frame->OnCommand(Cmd::ViewZoomOut);
        QVERIFY(map->Zoom() < 1.25);
        QVERIFY(map->CurrentLayout().FontPixels() * map->Zoom() >= smallest);
        QVERIFY(!map->CanZoomOut());
        QTest::keyClick(map, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(map->Zoom(), 1.0);
        QCOMPARE(map->size(), fitted);
        coverage->showMaximized();
        QApplication::processEvents();
        QVERIFY(map->CurrentLayout().FontPixels() >= smallest);
        SaveScreenshot(frame, "coverage-window-maximized");
        coverage->showNormal();

        // Save as SVG through the menu command and its file dialog; PNG directly.
        const QString svgPath = base.filePath("map.svg");
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            ChooseInFileDialog(d, svgPath);
            QMetaObject::invokeMethod(d, "accept");
        });
        frame->OnCommand(Cmd::SaveCoverageAsSvg);
        QFile svg(svgPath);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray svgText = svg.readAll();
        QVERIFY(svgText.contains("<svg"));
        QVERIFY(svgText.contains("Bible Coverage"));
        QVERIFY(map->SaveAs(base.filePath("map.png").toStdString(), false));
        QImage png(base.filePath("map.png"));
        QVERIFY(png.width() >= 1280 && png.height() >= 900);
        // Printing draws on the page.
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(base.filePath("map.pdf"));
        map->PrintTo(printer);
        QVERIFY(QFileInfo(base.filePath("map.pdf")).size() > 1000);
        bool previewed = false;
        OnNextModal([&](QWidget* w) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(w);
            QVERIFY(preview);
            previewed = true;
            SaveScreenshot(preview, "coverage-print-preview");
            preview->reject();
        });
        frame->OnCommand(Cmd::FilePrintPreview);
        QVERIFY(previewed);

        // At 200 % the map is twice the fitted size; the size is the reader's, kept for the next window.
        while (map->Zoom() < 2.0)
            frame->OnCommand(Cmd::ViewZoomIn);
        QApplication::processEvents();
        QCOMPARE(map->width(), fitted.width() * 2);
        SaveScreenshot(frame, "coverage-window-200");

        // The close box closes it; asked for again it comes back at the reader's size, and the
        // environment closes it.
        QVERIFY(coverage->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!CCoverageFrame::Find(frame->MdiArea()));
        frame->OnCommand(Cmd::ViewBibleCoverage);
        QVERIFY(CCoverageFrame::Find(frame->MdiArea()));
        QCOMPARE(CCoverageFrame::Find(frame->MdiArea())->Map()->Zoom(), 2.0);
        frame->OnCommand(Cmd::ViewActualSize);

        // The Reading History window takes View > Zoom too, on a dark page its empty days are dark,
        // and Ctrl+F4 closes it as it closes any window beside the environment.
        frame->OnCommand(Cmd::ViewReadingHistory);
        CReadingHistoryFrame* history = CReadingHistoryFrame::Find(frame->MdiArea());
        QVERIFY(history);
        const int historyText = history->History()->FontPixels();
        for (int i = 0; i < 7; ++i)
            frame->OnCommand(Cmd::ViewZoomIn);
        QVERIFY(history->History()->FontPixels() >= historyText * 2 - 1);
        SaveScreenshot(frame, "history-window-200");
        ApplyTheme(Theme::dark);
        QApplication::processEvents();
        const QImage dark = history->History()->grab().toImage();
        const QColor empty =
            dark.pixelColor(history->History()->DayRect(Day(2026, 11, 1).GetDayNumber()).center());
        QVERIFY2(empty.lightness() < 100, qPrintable(empty.name()));
        SaveScreenshot(frame, "history-window-dark");
        ApplyTheme(Theme::desktop);
        QApplication::processEvents();
        frame->OnCommand(Cmd::ViewActualSize);
        frame->OnCommand(Cmd::CloseDocumentWindow);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!CReadingHistoryFrame::Find(frame->MdiArea()));
        // In the passage window Tab goes from the text through its buttons to the bar above it and
        // back to the text: every control, however often it goes round.
        frame->MdiArea()->setActiveSubWindow(planFrame);
        frame->OnCommand(Cmd::ReadAssignment);
        QApplication::setActiveWindow(frame);
        QApplication::processEvents();
        QStringList round;
        QWidget* start = QApplication::focusWidget();
        for (QWidget* w = start; w && round.size() < 12 && (round.isEmpty() || w != start);
             w = QApplication::focusWidget()) {
            round << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(round,
                 QStringList({"passage", "finishedReading", "translation", "zoomOut", "zoomIn", "find"}));
        frame->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(!CCoverageFrame::Find(frame->MdiArea()));
        QVERIFY(!app->Environment().IsOpen());
        frame->close();
        app.reset();
        QDir::setCurrent(QDir::tempPath());
    }
};

QTEST_MAIN(TestCoverage)
#include "test_coverage.moc"
