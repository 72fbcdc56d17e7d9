// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanFixture.h"
#include "Screenshots.h"
#include "coverage/CoverageMap.h"
#include "framework/CommandIds.h"
#include "framework/HelpService.h"
#include "framework/MdiChildFrame.h"
#include "notes/BibleNoteView.h"
#include "plan/PlanTemplate.h"
#include "planview/ReadingPlanView.h"
#include "reader/ReaderEnvironment.h"
#include "resources/CommandTable.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"
#include "shell/DocumentTypes.h"
#include "shell/MainFrame.h"
#include "text/BibleTextSource.h"
#include "text/PassageFrame.h"
#include "text/PassageSettings.h"
#include "text/PassageView.h"
#include "text/VerseTextPane.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextBrowser>
#include <QtTest>
#include <functional>
#include <sys/stat.h>

namespace {

const QString kKjv = "engKJV2006eb";
const QString kWeb = "engWEB2015eb";

// A year's plan by chapters in two sections, the Old Testament beside the New.
void MakePlan(CReadingPlanDoc& doc) {
    CPlanTemplate t = CPlanTemplate::EditorDefaults();
    t.planYears = 1;
    t.sectionCount = 2;
    for (size_t b = 0; b < t.bookSection.size(); ++b)
        t.bookSection[b] = b < 39 ? 1 : 2;
    doc.SetStartDate(Day(2001, 4, 10));
    doc.GenerateFromTemplate(t, nullptr);
}

// Waits for the text asked for last, which comes from another thread.
bool Settled(CPassageView* view) {
    return QTest::qWaitFor([view] { return !view->IsReading(); }, 10000);
}

QString Shown(CPassageView* view) {
    Settled(view);
    return view->Browser()->toPlainText();
}

// The installed King James module copied into a library of its own at root.
void CopyKingJames(const QString& root) {
    const QString data = "modules/texts/ztext/engKJV2006eb";
    QDir().mkpath(root + "/mods.d");
    QDir().mkpath(root + "/" + data);
    QFile::copy("/usr/share/sword/mods.d/engKJV2006eb.conf", root + "/mods.d/engKJV2006eb.conf");
    for (const QFileInfo& f : QDir("/usr/share/sword/" + data).entryInfoList(QDir::Files))
        QFile::copy(f.filePath(), root + "/" + data + "/" + f.fileName());
}

} // namespace

class TestPassage : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QTemporaryDir> dir_;
    CScriptedUiServices ui_;
    std::unique_ptr<CReaderEnvironment> env_;
    std::vector<std::unique_ptr<CDocTemplate>> types_;
    std::unique_ptr<CMainFrame> main_;
    CDocument* planDoc_ = nullptr;

    CDocTemplate* PlanType() {
        for (auto& t : types_)
            if (t->ResourceId() == 129) return t.get();
        return nullptr;
    }
    CMdiChildFrame* PlanFrame() { return PlanType()->FrameOf(planDoc_); }
    CReadingPlanView* PlanView() { return dynamic_cast<CReadingPlanView*>(PlanFrame()->View()); }
    CReadingPlanDoc& Plan() { return static_cast<CReadingPlanDoc&>(*planDoc_); }

    // The first heading of a day: its date, then its first reading.
    static QString DayHeading(const CPlanNavigator& nav) {
        return QString::fromStdString(nav.Current().GetScheduledDate().GetDateText()) +
               QString::fromUtf8(" \u2014 ") + QString::fromStdString(nav.GetReadingText(0));
    }

    CPassageView* OpenFromMenu() {
        main_->MdiArea()->setActiveSubWindow(PlanFrame());
        if (!main_->OnCommand(Cmd::ReadAssignment)) return nullptr;
        CPassageFrame* frame = CPassageFrame::Find(*PlanView());
        if (frame) Settled(frame->Passage());
        return frame ? frame->Passage() : nullptr;
    }

private slots:
    void init() {
        // Each case starts with no settings and no files.
        config_ = std::make_unique<QTemporaryDir>();
        dir_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_->path());
        SetTodayOverride(Day(2001, 4, 10));
        env_ = std::make_unique<CReaderEnvironment>(ui_);
        env_->SetBaseDirectory(dir_->path().toStdString());
        QVERIFY(env_->SelectReader(env_->CreateReader({"James", "Hart", "James"}, {})));
        types_ = MakeDocumentTypes(ui_, *env_);
        main_ = std::make_unique<CMainFrame>();
        main_->resize(1100, 640);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        planDoc_ = PlanType()->OpenDocumentFile("", main_->MdiArea(), true);
        QVERIFY(planDoc_);
        PlanFrame()->setGeometry(0, 0, 420, 300);
        MakePlan(Plan());
        PlanView()->Navigator().GoToFirstUnfinished();
        Plan().UpdateAllViews(nullptr);
    }

    void cleanup() {
        if (planDoc_) PlanType()->CloseDocument(planDoc_);
        planDoc_ = nullptr;
        main_.reset();
        types_.clear();
        env_.reset();
        dir_.reset();
        config_.reset();
        SetTodayOverride(std::nullopt);
    }

    void opensOnTheCurrentAssignmentBesideThePlan() {
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        auto* frame = CPassageFrame::Find(*PlanView());
        QCOMPARE(main_->MdiArea()->activeSubWindow(), frame);
        QVERIFY(frame->geometry().left() >= PlanFrame()->geometry().right());
        QVERIFY(frame->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(main_->CurrentMenu(), kPassageMenu);
        QVERIFY(QFile::exists(CHelpService::TopicPage(HelpIdForResource(kPassageMenu))));
        QTRY_COMPARE(view->ShownAssignment(), 0);
        const CPlanNavigator& nav = PlanView()->Navigator();
        const CPlanElement first = nav.Current();
        QCOMPARE(first.GetRangeCount(), uint16_t(2));
        const QString text = Shown(view);
        // A heading per reading, in the plan window's words, then chapters and verses.
        QVERIFY(text.startsWith(DayHeading(nav) + "\nGenesis 1\n1 In the beginning God "
                                                  "created the heaven and the earth."));
        QVERIFY(text.contains("\n" + QString::fromStdString(nav.GetReadingText(1)) +
                              "\nMatthew 1\n1 The book of"));
        QVERIFY(text.contains("Genesis 2\n1 Thus the heavens and the earth were finished"));
        QVERIFY(!view->Problem()->isVisible());
        QCOMPARE(view->Translations()->currentData().toString(), kKjv);
        QVERIFY(view->FinishedButton()->isEnabled());
        SaveScreenshot(main_.get(), "passage-window");
        // Nothing of the bar is cut; Tile sets the plan and the passage apart, never across each other.
        auto* find = view->findChild<QLineEdit*>("find");
        main_->OnCommand(Cmd::WindowTile);
        QApplication::processEvents();
        QVERIFY(!frame->geometry().intersects(PlanFrame()->geometry()));
        QVERIFY(view->Translations()->width() >= view->Translations()->sizeHint().width());
        QVERIFY(find->width() >= find->fontMetrics().horizontalAdvance(find->placeholderText()) + 20);
        SaveScreenshot(main_.get(), "passage-window-tiled");

        // The same command again shows the same window.
        QVERIFY(main_->OnCommand(Cmd::ReadAssignment));
        QCOMPARE(main_->MdiArea()->subWindowList().size(), 2);
    }

    void followsThePlanWindow() {
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        const CPlanNavigator& nav = PlanView()->Navigator();
        // From the plan window…
        main_->MdiArea()->setActiveSubWindow(PlanFrame());
        QVERIFY(main_->OnCommand(Cmd::NextReading));
        QCOMPARE(nav.GetIndex(), 1);
        QTRY_COMPARE(view->ShownAssignment(), 1);
        QVERIFY(Shown(view).startsWith(DayHeading(nav)));
        QVERIFY(!Shown(view).contains("In the beginning God created"));
        // …and from the passage window itself, whose menus are the plan's.
        main_->MdiArea()->setActiveSubWindow(CPassageFrame::Find(*PlanView()));
        main_->UpdateCommandUi();
        QVERIFY(main_->FindAction(Cmd::NextReading)->isEnabled());
        QVERIFY(main_->OnCommand(Cmd::NextReading));
        QTRY_COMPARE(view->ShownAssignment(), 2);
        QVERIFY(main_->OnCommand(Cmd::PreviousReading));
        QVERIFY(main_->OnCommand(Cmd::PreviousReading));
        QCOMPARE(nav.GetIndex(), 0);
        QTRY_COMPARE(view->ShownAssignment(), 0);
        QVERIFY(Shown(view).contains("In the beginning God created"));
        QVERIFY(main_->OnCommand(Cmd::LastReading));
        QTRY_COMPARE(view->ShownAssignment(), nav.GetIndex());
        QVERIFY(Shown(view).startsWith(DayHeading(nav)));
        QVERIFY(Shown(view).contains("Malachi 4\n"));

        // Keys: Page Down scrolls the text and keeps the day; Alt+Page Up/Down change it.
        QVERIFY(main_->OnCommand(Cmd::FirstReading));
        QTRY_COMPARE(view->ShownAssignment(), 0);
        QApplication::setActiveWindow(main_.get());
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        view->setFocus();
        auto* bar = view->findChild<QTextBrowser*>("passage")->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(nav.GetIndex(), 0);
        QVERIFY(bar->value() > 0);
        QTest::keyClick(view, Qt::Key_PageDown, Qt::AltModifier);
        QCOMPARE(nav.GetIndex(), 1);
        QTRY_COMPARE(view->ShownAssignment(), 1);
        QTest::keyClick(view, Qt::Key_PageUp, Qt::AltModifier);
        QCOMPARE(nav.GetIndex(), 0);
    }

    // The days either side of the shown one are read ahead: paging to them shows their text at once,
    // without a read; a change of zoom or translation draws every page anew.
    void pagesReadAheadAreShownAtOnce() {
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        const CPlanNavigator& nav = PlanView()->Navigator();
        QVERIFY(QTest::qWaitFor([view] { return !view->IsReadingAhead() && view->KeptPages() == 2; }, 10000));
        main_->MdiArea()->setActiveSubWindow(PlanFrame());
        for (int day = 1; day <= 3; ++day) {
            QVERIFY(main_->OnCommand(Cmd::NextReading));
            QVERIFY(!view->IsReading());
            QCOMPARE(view->ShownAssignment(), day);
            QVERIFY(view->Browser()->toPlainText().startsWith(DayHeading(nav)));
            QVERIFY(QTest::qWaitFor([view] { return !view->IsReadingAhead(); }, 10000));
        }
        QVERIFY(main_->OnCommand(Cmd::PreviousReading));
        QVERIFY(!view->IsReading());
        QVERIFY(view->Browser()->toPlainText().startsWith(DayHeading(nav)));
        // Copy still knows the verses of a page shown from the kept ones.
        QTextCursor cursor(view->Browser()->document());
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, 5);
        view->Browser()->setTextCursor(cursor);
        QVERIFY2(view->CopyText().contains(QString::fromStdString(nav.GetReadingText(1)).section(':', 0, 0)),
                 qPrintable(view->CopyText()));

        const int kept = view->KeptPages();
        QVERIFY(kept >= 3);
        const qreal before = view->Browser()->document()->defaultFont().pointSizeF();
        view->ZoomIn();
        QCOMPARE(view->KeptPages(), 0);
        QVERIFY(view->Browser()->document()->defaultFont().pointSizeF() > before);
        QVERIFY(QTest::qWaitFor([view] { return !view->IsReadingAhead(); }, 10000));
        QVERIFY(main_->OnCommand(Cmd::NextReading));
        QVERIFY(view->Browser()->toPlainText().startsWith(DayHeading(nav)) || view->IsReading());
        QVERIFY(Shown(view).startsWith(DayHeading(nav)));
        QVERIFY(view->Browser()->document()->defaultFont().pointSizeF() > before);
        view->ChooseModule(kWeb);
        QVERIFY(Shown(view).contains("God"));
        QCOMPARE(view->Translations()->currentData().toString(), kWeb);
        QVERIFY(QTest::qWaitFor([view] { return !view->IsReadingAhead(); }, 10000));
        QVERIFY(main_->OnCommand(Cmd::PreviousReading));
        QVERIFY(!view->IsReading());
        QCOMPARE(view->Translations()->currentData().toString(), kWeb);
        QVERIFY(view->windowTitle().contains("World English"));
    }

    void finishedReadingMarksThePlanAsThePlanWindowDoes() {
        // The plan window's own command on a twin plan.
        PlanFixture twin;
        twin.Load({});
        MakePlan(*twin.doc);
        CReadingPlanView twinView(*twin.doc);
        twinView.OnInitialUpdate();
        twinView.Navigator().Next();
        twinView.OnFinishedReading();

        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        QVERIFY(main_->OnCommand(Cmd::NextReading));
        QTRY_COMPARE(view->ShownAssignment(), 1);
        QVERIFY(!Plan().IsElementFinished(1));
        QTest::mouseClick(view->FinishedButton(), Qt::LeftButton);
        QVERIFY(Plan().IsElementFinished(1));
        QVERIFY(!Plan().IsElementFinished(0));
        QVERIFY(Plan().ReadInPlan() == twin.doc->ReadInPlan());
        QVERIFY(Plan().LifetimeCounts() == twin.doc->LifetimeCounts());
        // Kept on disk the moment it is marked.
        QVERIFY(!Plan().GetPlanDirty());
        CScriptedUiServices ui;
        CReadingPlanDoc onDisk(ui, Plan().Reader());
        QVERIFY(onDisk.OnNewDocument());
        QVERIFY(onDisk.IsElementFinished(1));
    }

    // A chapter clicked on the coverage map is read here and entered as read from
    // here; the plan window moving on, Back or Read Assignment return to the assignment.
    void showsAChapterClickedOnTheCoverageMap() {
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        CCoverageMap map(Plan());
        map.resize(1280, 900);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const QPoint john3 = map.CurrentLayout().CellRect(43, 3).center();
        const uint16_t first = TheBible().GetVerseIndex(43, 3, 1), last = TheBible().GetVerseIndex(43, 3, 36);
        const auto john3Range = std::make_optional(std::make_pair(first, last));

        QTest::mouseClick(&map, Qt::LeftButton, {}, john3);
        QVERIFY(ui_.extraReadingRangesOffered.empty());
        QCOMPARE(view->ShownRange(), john3Range);
        QCOMPARE(main_->MdiArea()->activeSubWindow(), CPassageFrame::Find(*PlanView()));
        QVERIFY(Shown(view).startsWith("John 3:1 through John 3:36\nJohn 3\n1 There was a man"));
        QVERIFY(Shown(view).contains("For God so loved the world"));
        QVERIFY(!Shown(view).contains("In the beginning God created"));
        QVERIFY(view->FinishedButton()->isHidden());
        QVERIFY(!view->EnterReadingButton()->isHidden());
        QVERIFY(!view->BackButton()->isHidden());
        SaveScreenshot(main_.get(), "passage-chapter-from-coverage");

        // Enter Reading offers the chapter; the answer is recorded.
        ui_.extraReadingAnswers = {ExtraReading{first, last, 0}};
        QTest::mouseClick(view->EnterReadingButton(), Qt::LeftButton);
        QCOMPARE(ui_.extraReadingRangesOffered.size(), size_t(1));
        QCOMPARE(ui_.extraReadingRangesOffered[0].first, first);
        QCOMPARE(ui_.extraReadingRangesOffered[0].second, last);
        QCOMPARE(Plan().LifetimeCounts()[first], uint16_t(1));
        QCOMPARE(map.Coverage().Find(43, 3)->read, uint16_t(36));
        // Still the chapter: the reading changed no assignment.
        QCOMPARE(view->ShownRange(), john3Range);

        // The plan window moves on: the passage follows it again.
        main_->MdiArea()->setActiveSubWindow(PlanFrame());
        QVERIFY(main_->OnCommand(Cmd::NextReading));
        QVERIFY(!view->ShownRange());
        QTRY_COMPARE(view->ShownAssignment(), 1);
        QVERIFY(!view->FinishedButton()->isHidden());
        QVERIFY(view->EnterReadingButton()->isHidden());

        // Back, and Read Assignment, return to it too.
        QTest::mouseClick(&map, Qt::LeftButton, {}, john3);
        QCOMPARE(view->ShownRange(), john3Range);
        QTest::mouseClick(view->BackButton(), Qt::LeftButton);
        QVERIFY(!view->ShownRange());
        QTRY_COMPARE(view->ShownAssignment(), 1);
        QTest::mouseClick(&map, Qt::LeftButton, {}, john3);
        QVERIFY(main_->OnCommand(Cmd::ReadAssignment));
        QVERIFY(!view->ShownRange());
        QTRY_COMPARE(view->ShownAssignment(), 1);

        // With the passage window closed, a click asks Enter Reading again.
        QVERIFY(CPassageFrame::Find(*PlanView())->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui_.extraReadingAnswers = {std::nullopt};
        QTest::mouseClick(&map, Qt::LeftButton, {}, john3);
        QCOMPARE(ui_.extraReadingRangesOffered.size(), size_t(2));
    }

    void translationAndZoomAreRememberedForTheReader() {
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        QVERIFY(view->Translations()->findData(kWeb) >= 0);
        SaveScreenshot(main_.get(), "passage-zoom-0");
        view->ChooseModule(kWeb);
        QVERIFY(Shown(view).contains("1 In the beginning, God created the heavens and the earth."));
        const qreal before = view->Browser()->document()->defaultFont().pointSizeF();
        QTest::keyClick(view->Browser(), Qt::Key_Plus, Qt::ControlModifier);
        view->ZoomIn();
        view->ZoomIn();
        QCOMPARE(view->Zoom(), 3);
        QVERIFY(view->Browser()->document()->defaultFont().pointSizeF() > before * 1.3);
        SaveScreenshot(main_.get(), "passage-zoom-3");
        QTest::keyClick(view->Browser(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(view->Zoom(), 2);

        // In the user's settings under the reader's group, not in any of the reader's files.
        const std::string stem = env_->CurrentReader().GetFileStem();
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane");
        const QString group = ReaderSettingsGroup(stem);
        QCOMPARE(settings.value(group + "/Passage/Module").toString(), kWeb);
        QCOMPARE(settings.value(group + "/Passage/Zoom").toInt(), 2);

        CPassageFrame::Find(*PlanView())->close();
        QTRY_VERIFY(!CPassageFrame::Find(*PlanView()));
        view = OpenFromMenu();
        QVERIFY(view);
        QCOMPARE(view->Module(), kWeb);
        QCOMPARE(view->Zoom(), 2);
        QCOMPARE(view->Translations()->currentData().toString(), kWeb);
    }

    // Without a plan the window is not a dead end: a line and a button lead to the gallery.
    void withoutAPlanTheGalleryIsOffered() {
        PlanFixture empty;
        empty.Load({});
        CReadingPlanView planView(*empty.doc);
        planView.OnInitialUpdate();
        CPassageView view(planView.FollowedByPassage());
        view.resize(640, 300);
        auto* choose = view.findChild<QPushButton*>("choosePlan");
        QVERIFY(choose && choose->isVisibleTo(&view));
        QVERIFY(!view.FinishedButton()->isVisibleTo(&view));
        QTRY_VERIFY(
            Shown(&view).startsWith("No Reading Plan Selected\nTo begin, choose one of the ready plans"));
        SaveScreenshot(&view, "passage-no-plan");
        choose->click();
        QCOMPARE(empty.ui.fileRequests.size(), size_t(1));
        QVERIFY(empty.ui.fileRequests[0].gallery != 0);
    }

    void aTranslationRemovedSinceIsSaidAndTheRestWorks() {
        const QString group = ReaderSettingsGroup(env_->CurrentReader().GetFileStem());
        {
            QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane");
            settings.setValue(group + "/Passage/Module", "engGone2001");
        }
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        QVERIFY(view->Problem()->isVisible());
        QCOMPARE(view->Problem()->text(), QString::fromStdString(ModuleGoneMessage("engGone2001")));
        QVERIFY(Shown(view).contains("In the beginning God created"));
        QTest::mouseClick(view->FinishedButton(), Qt::LeftButton);
        QVERIFY(Plan().IsElementFinished(0));
        SaveScreenshot(main_.get(), "passage-module-gone");
    }

    // A module that cannot give its text, or gives none at all: the window is
    // there at once, keeps answering, and within two seconds says which module.
    void aModuleThatGivesNoTextIsNamedWithinTwoSeconds() {
        QTemporaryDir library;
        CopyKingJames(library.path());
        const QString data = library.path() + "/modules/texts/ztext/engKJV2006eb/";
        struct Case {
            const char* what;
            std::function<void()> damage;
            std::string library, backend; // of the text source
            QStringList said;             // in the message
        } cases[] = {
            {"a block index that claims 2 GB",
             [&data] {
                 QFile index(data + "ot.bzs");
                 QVERIFY(index.open(QIODevice::ReadWrite));
                 QVERIFY(index.seek(12 + 8)); // the unpacked size of the block of Genesis
                 index.write(QByteArray("\xf0\xff\xff\x7f", 4));
             },
             library.path().toStdString(),
             {},
             {"engKJV2006eb", "ot.bzs"}},
            {"a FIFO in place of the text",
             [&data] {
                 QVERIFY(QFile::remove(data + "ot.bzz"));
                 QCOMPARE(::mkfifo(QFile::encodeName(data + "ot.bzz").constData(), 0600), 0);
             },
             library.path().toStdString(),
             {},
             {"engKJV2006eb", "ot.bzz"}},
            {"a read that never returns",
             [] {},
             {},
             SCRIVANE_STALLED_TEXT,
             {"Stalled", "within 1.5 seconds"}},
        };
        for (const Case& c : cases) {
            c.damage();
            CBibleTextSource source(c.library, c.backend);
            QElapsedTimer clock;
            clock.start();
            auto* view = new CPassageView(PlanView()->FollowedByPassage(), nullptr, &source);
            QMdiSubWindow* frame = main_->MdiArea()->addSubWindow(view);
            frame->setGeometry(430, 0, 640, 560);
            frame->show();
            QVERIFY2(clock.elapsed() < 1000, c.what);
            if (view->IsReading()) {
                QTest::qWait(50);
                SaveScreenshot(main_.get(), "passage-reading");
            }
            int ticks = 0;
            QTimer tick;
            connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
            tick.start(50);
            QVERIFY2(QTest::qWaitFor([view] { return !view->IsReading(); }, 2000), c.what);
            QVERIFY2(clock.elapsed() < 2000, c.what);
            // The window's thread went on meanwhile.
            QVERIFY2(ticks >= (clock.elapsed() - 1000) / 50, c.what);
            QVERIFY2(view->Problem()->isVisible(), c.what);
            for (const QString& said : c.said)
                QVERIFY2(view->Problem()->text().contains(said), qPrintable(view->Problem()->text()));
            // What the damaged module can give is shown.
            if (c.backend.empty())
                QVERIFY2(Shown(view).contains("Matthew 1\n1 The book of the generation of Jesus Christ"),
                         c.what);
            QTest::qWait(50);
            SaveScreenshot(main_.get(), QString("passage-no-text-") + QString(c.what).replace(' ', '-'));
            delete frame;
        }
    }

    void copyFindAndPrint() {
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        QVERIFY(view->FindNext("the heaven and the earth"));
        QCOMPARE(view->CopyText(), QString("the heaven and the earth\n(Genesis 1:1, engKJV2006eb)"));
        QVERIFY(view->FindNext("Thus the heavens"));
        QTextCursor c = view->Browser()->textCursor();
        const int start = c.selectionStart();
        QVERIFY(view->FindNext("host of them"));
        c.setPosition(start);
        c.setPosition(view->Browser()->textCursor().selectionEnd(), QTextCursor::KeepAnchor);
        view->Browser()->setTextCursor(c);
        QVERIFY(main_->OnCommand(Cmd::EditCopy));
        QCOMPARE(
            QApplication::clipboard()->text(),
            QString("Thus the heavens and the earth were finished, and all the host of them\n(Genesis 2:1, "
                    "engKJV2006eb)"));
        // Nothing selected: the whole passage, headed by its readings.
        c.clearSelection();
        view->Browser()->setTextCursor(c);
        QCOMPARE(view->CopyText(), Shown(view).trimmed());
        QVERIFY(!view->FindNext("no such words anywhere"));
        QVERIFY(!view->FindField()->styleSheet().isEmpty());

        QTemporaryDir out;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath("passage.pdf"));
        view->PrintTo(printer);
        QVERIFY(QFileInfo(out.filePath("passage.pdf")).size() > 1000);
    }

    void psalmTitlesStandApartBeforeTheirPsalm() {
        CVerse psalm3;
        psalm3.SetFromText("Psalms 3:1");
        QVERIFY(PlanView()->Navigator().GoToVerse(psalm3.GetIndex()));
        Plan().UpdateAllViews(nullptr);
        CPassageView* view = OpenFromMenu();
        QVERIFY(view);
        const QString text = Shown(view);
        QVERIFY(
            text.contains("\nPsalms 3\nA Psalm of David, when he fled from Absalom his son.\n1 LORD, how are "
                          "they increased that trouble me!"));
        QVERIFY(text.contains(
            "\nPsalms 4\nTo the chief Musician on Neginoth, A Psalm of David.\n1 Hear me when I "
            "call"));
        view->ChooseModule(kWeb);
        QVERIFY(Shown(view).contains(
            "\nPsalms 3\nA Psalm by David, when he fled from Absalom his son.\n1 Yahweh, "
            "how my adversaries have increased!\nMany are those"));
        SaveScreenshot(main_.get(), "passage-psalms");
    }

    void verseNotesShowTheVerseAboveTheNote() {
        CDocTemplate* verses = nullptr;
        for (auto& t : types_)
            if (t->ResourceId() == 131) verses = t.get();
        CDocument* doc = verses->OpenDocumentFile("", main_->MdiArea(), true);
        QVERIFY(doc);
        verses->FrameOf(doc)->setGeometry(430, 0, 600, 300);
        auto* view = dynamic_cast<CBibleNoteView*>(verses->FrameOf(doc)->View());
        auto* pane = view->findChild<CVerseTextPane*>();
        QVERIFY(pane);
        QVERIFY(pane->isReadOnly());
        QTRY_COMPARE(pane->toPlainText(),
                     QString("Genesis 1:1  In the beginning God created the heaven and the earth."));
        // Psalms 3 in the lists: its title is verse 0.
        view->OnSelectionChanged(18, 2, 0);
        QCOMPARE(pane->ShownVerse(), uint16_t(13958));
        QTRY_COMPARE(pane->toPlainText(),
                     QString("Psalms 3:0  A Psalm of David, when he fled from Absalom his son."));
        // The reader's translation, as the passage window remembers it.
        UserSettings().setValue(ReaderSettingsGroup(env_->CurrentReader().GetFileStem()) + "/Passage/Module",
                                kWeb);
        view->OnSelectionChanged(42, 2, 15);
        QTRY_VERIFY(pane->toPlainText().startsWith("John 3:16  For God so loved the world, that he gave"));
        QVERIFY(pane->toPlainText().contains("only born Son"));
        QTest::keyClicks(view->Editor(), "A note.");
        QCOMPARE(view->Editor()->toPlainText(), QString("A note."));
        SaveScreenshot(verses->FrameOf(doc), "verse-notes-with-text");
        verses->CloseDocument(doc);
    }

    void doubleClickOnTheAssignmentLineAndClosingWithTheEnvironment() {
        CReadingPlanView* plan = PlanView();
        int row = -1;
        for (const auto& line : plan->Navigator().Lines(Today()))
            if (line.text == plan->Navigator().GetLineText(4, Today())) row = line.row;
        QVERIFY(row > 0);
        const int lh = plan->fontMetrics().height();
        QTest::mouseDClick(plan, Qt::LeftButton, {}, QPoint(10, row * lh + lh / 2));
        QPointer<CPassageFrame> frame = CPassageFrame::Find(*plan);
        QVERIFY(frame);
        // A double-click there reads; it marks nothing.
        QVERIFY(!Plan().IsElementFinished(0));
        PlanType()->CloseDocument(planDoc_);
        planDoc_ = nullptr;
        QVERIFY(!frame);
        QCOMPARE(main_->MdiArea()->subWindowList().size(), 0);
    }
};

QTEST_MAIN(TestPassage)
#include "test_passage.moc"
