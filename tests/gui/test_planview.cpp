// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanFixture.h"
#include "Screenshots.h"
#include "framework/CommandIds.h"
#include "framework/Theme.h"
#include "planview/DayButton.h"
#include "planview/ReadingPlanView.h"
#include "planview/SelectDateDialog.h"
#include "planview/SelectVerseDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Genesis 1:1-3 (0-2), John 3:16 (26252), Psalms 3:0 (13958).
constexpr uint16_t kGen1_1 = 0, kGen1_3 = 2, kJohn3_16 = 26252, kPsalm3_0 = 13958;

QStringList Texts(const std::vector<CReadingPlanView::DrawnLine>& lines) {
    QStringList out;
    for (const auto& l : lines)
        out << QString("%1|%2").arg(l.position.y() / 10).arg(l.text);
    return out;
}

bool Enabled(CReadingPlanView& view, int id) {
    CCmdUI ui;
    view.OnUpdateCmdUI(id, ui);
    return ui.enabled;
}

// Answers the next modal dialog with f, then OK.
template <class Dialog, class F> void AnswerNextDialog(F f) {
    QTimer::singleShot(0, [f] {
        auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        f(*dlg);
        dlg->accept();
    });
}

} // namespace

class TestPlanView : public QObject {
    Q_OBJECT
private slots:
    void init() { SetTodayOverride(Day(2001, 4, 10)); }
    void cleanup() { SetTodayOverride(std::nullopt); }

    void linesAndColoursFollowTheAssignment() {
        PlanFixture f;
        const CJJulian yesterday = Day(2001, 4, 9), today = Day(2001, 4, 10);
        f.Load({PlanFixture::Assignment(yesterday, yesterday, {{kGen1_1, kGen1_3}, {kJohn3_16, kJohn3_16}}),
                PlanFixture::Assignment(today, today, {{3, 5}}),
                PlanFixture::Assignment(Day(2001, 4, 11), Day(2001, 4, 12), {{6, 6}}),
                PlanFixture::Assignment(Day(2001, 4, 12), Day(2001, 4, 13), {})},
               {kJohn3_16});
        CReadingPlanView view(*f.doc);
        view.resize(600, 300);
        view.OnInitialUpdate();
        QCOMPARE(view.Navigator().GetIndex(), 0);
        const QColor black(0, 0, 0);
        // Overdue and unread: orange; read: green, whatever the date.
        auto lines = view.Layout(10, 8, false, black);
        QCOMPARE(
            Texts(lines),
            QStringList({"0|Today is Tue 04/10/2001", "2|Reading Plan scheduled for Mon 04/09/2001",
                         "4|Your assignment today is:", "5|Genesis 1:1 through Genesis 1:3", "6|John 3:16"}));
        QCOMPARE(lines[3].colour, MarkColoursFor(view.palette()).overdue);
        QCOMPARE(lines[4].colour, MarkColoursFor(view.palette()).read);
        QVERIFY(lines[4].read && !lines[3].read);
        SaveScreenshot(&view, "plan-view-overdue");
        // Due today: the default colour.
        view.Navigator().Next();
        lines = view.Layout(10, 8, false, black);
        QCOMPARE(lines.back().colour, black);
        // Moved: the original date line, readings one row lower.
        view.Navigator().Next();
        lines = view.Layout(10, 8, false, black);
        QCOMPARE(Texts(lines),
                 QStringList({"0|Today is Tue 04/10/2001", "2|Reading Plan scheduled for Thu 04/12/2001",
                              "3|(Originally scheduled for Wed 04/11/2001)",
                              "5|The assignment for Thu 04/12/2001 is:", "6|Genesis 1:7"}));
        SaveScreenshot(&view, "plan-view-moved");
        view.Navigator().Next();
        QCOMPARE(Texts(view.Layout(10, 8, false, black)).last(), QString("6|No reading assignment today."));
        // Printing: 8 character widths in and 6 lines down, no colours.
        view.Navigator().First();
        lines = view.Layout(10, 8, true, black);
        QCOMPARE(lines[0].position, QPoint(64, 60));
        for (const auto& l : lines)
            QCOMPARE(l.colour, black);
    }

    void statusLinesReplaceTheAssignment() {
        PlanFixture empty;
        empty.Load({});
        CReadingPlanView a(*empty.doc);
        a.OnInitialUpdate();
        QCOMPARE(Texts(a.Layout(10, 8, false, Qt::black)), QStringList({"0|No Reading Plan Selected"}));
        QCOMPARE(a.Navigator().GetIndex(), -1);
        // Not a dead end: a button under the status opens the gallery.
        a.resize(520, 200);
        auto* choose = a.findChild<QPushButton*>("choosePlan");
        QVERIFY(choose && choose->isVisibleTo(&a));
        SaveScreenshot(&a, "plan-view-no-plan");
        choose->click();
        QCOMPARE(empty.ui.fileRequests.size(), size_t(1));
        QVERIFY(empty.ui.fileRequests[0].gallery != 0);

        PlanFixture done;
        done.Load({PlanFixture::Assignment(Day(2001, 4, 9), Day(2001, 4, 9), {{0, 1}})}, {0, 1});
        CReadingPlanView b(*done.doc);
        b.OnInitialUpdate();
        QCOMPARE(Texts(b.Layout(10, 8, false, Qt::black)), QStringList({"0|Last Reading Plan Completed"}));
        QVERIFY(!b.findChild<QPushButton*>("choosePlan")->isVisibleTo(&b));
        SaveScreenshot(&b, "plan-view-completed");
        // Copy still takes the current assignment: none is unfinished, so the empty one.
        b.OnCopy();
        QVERIFY(QApplication::clipboard()->text().endsWith(
            "Your assignment today is:\r\nNo reading assignment today."));
        b.Navigator().First();
        b.OnCopy();
        QVERIFY(QApplication::clipboard()->text().endsWith("Genesis 1:1 through Genesis 1:2\r\n"));
    }

    void doubleClickHitsTheReadingDrawn() {
        for (bool moved : {false, true}) {
            PlanFixture f;
            CJJulian d = Day(2001, 4, 10);
            f.Load({PlanFixture::Assignment(d, moved ? d.AddDays(1) : d, {{10, 12}, {20, 20}})});
            CReadingPlanView view(*f.doc);
            view.resize(600, 400);
            view.show();
            view.OnInitialUpdate();
            const int lh = view.fontMetrics().height();
            const int row = moved ? 6 : 5;
            QTest::mouseDClick(&view, Qt::LeftButton, {},
                               QPoint(5, row * lh - lh / 2)); // the line above: nothing
            QVERIFY(!f.doc->IsRangeRead(10, 12));
            QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(5, row * lh + lh / 2));
            QVERIFY(f.doc->IsRangeRead(10, 12));
            QVERIFY(!f.doc->IsRangeRead(20, 20));
            QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(5, (row + 1) * lh + 1));
            QVERIFY(f.doc->IsRangeRead(20, 20));
        }
    }

    void navigationStates() {
        struct Case {
            int assignments, index;
            bool next, previous, first, last, byDate;
        } cases[] = {
            {0, -1, false, false, false, false, false}, {1, 0, false, false, false, false, true},
            {3, 0, true, false, false, true, true},     {3, 2, false, true, true, false, true},
            {3, 1, true, true, true, true, true},       {3, -1, true, true, true, true, true},
        };
        for (const Case& c : cases) {
            PlanFixture f;
            std::vector<CPlanElement> elements;
            for (int i = 0; i < c.assignments; ++i)
                elements.push_back(PlanFixture::Assignment(Day(2001, 4, 10 + i), Day(2001, 4, 10 + i),
                                                           {{uint16_t(i), uint16_t(i)}}));
            f.Load(elements);
            CReadingPlanView view(*f.doc);
            view.Navigator().SetIndex(c.index);
            const QString where = QString("%1 assignments, index %2").arg(c.assignments).arg(c.index);
            QVERIFY2(Enabled(view, Cmd::NextReading) == c.next, qPrintable(where));
            QVERIFY2(Enabled(view, Cmd::PreviousReading) == c.previous, qPrintable(where));
            QVERIFY2(Enabled(view, Cmd::FirstReading) == c.first, qPrintable(where));
            QVERIFY2(Enabled(view, Cmd::LastReading) == c.last, qPrintable(where));
            QVERIFY2(Enabled(view, Cmd::ByDate) == c.byDate, qPrintable(where));
            QVERIFY2(Enabled(view, Cmd::FinishedReading) == c.byDate, qPrintable(where));
            QVERIFY2(Enabled(view, Cmd::SynchronizeDates) == c.byDate, qPrintable(where));
            QVERIFY(Enabled(view, Cmd::NewPlan));
        }
        PlanFixture f;
        f.Load({PlanFixture::Assignment(Day(2001, 4, 10), Day(2001, 4, 10), {{0, 0}}),
                PlanFixture::Assignment(Day(2001, 4, 11), Day(2001, 4, 11), {{1, 1}})});
        CReadingPlanView view(*f.doc);
        view.Navigator().SetIndex(1);
        view.OnCmdMsg(Cmd::NextReading); // disabled on the last: nothing moves
        QCOMPARE(view.Navigator().GetIndex(), 1);
        view.Navigator().Next();
        QCOMPARE(view.Navigator().GetIndex(), 1);
        view.OnCmdMsg(Cmd::PreviousReading);
        QCOMPARE(view.Navigator().GetIndex(), 0);
        view.Navigator().Previous();
        QCOMPARE(view.Navigator().GetIndex(), 0);
    }

    void byDateAndByVerse() {
        PlanFixture f;
        std::vector<CPlanElement> elements;
        for (int i = 0; i < 9; ++i) {
            CPlanElement e = PlanFixture::Assignment(Day(2001, 4, 1 + 2 * i), Day(2001, 4, 1 + 2 * i),
                                                     {{uint16_t(100 + i), uint16_t(100 + i)}});
            if (i == 3 || i == 7) e.AddRange(kPsalm3_0, kPsalm3_0 + 2);
            elements.push_back(e);
        }
        f.Load(elements);
        CReadingPlanView view(*f.doc);
        view.OnInitialUpdate();

        AnswerNextDialog<CSelectDateDialog>([](CSelectDateDialog& dlg) {
            QCOMPARE(dlg.Caption(), QString("April 2001"));
            dlg.NextButton()->click(); // disabled past the last assignment's month: stays
            QCOMPARE(dlg.Caption(), QString("April 2001"));
            dlg.Cell(0 + 7 + 16)->click(); // 17 April
        });
        view.OnByDate();
        QCOMPARE(view.Navigator().GetIndex(), 8);
        AnswerNextDialog<CSelectDateDialog>(
            [](CSelectDateDialog& dlg) { dlg.Cell(7 + 5)->click(); }); // 6 April
        view.OnByDate();
        QCOMPARE(view.Navigator().GetIndex(), 3); // 7 April is the first on or after it
        view.Navigator().First();
        view.Navigator().GoToDate(Day(2001, 5, 30)); // after the last date: the last assignment
        QCOMPARE(view.Navigator().GetIndex(), 8);

        AnswerNextDialog<CSelectVerseDialog>([](CSelectVerseDialog& dlg) {
            dlg.BookList()->setCurrentIndex(18);
            dlg.ChapterList()->setCurrentIndex(2);
            dlg.VerseList()->setCurrentIndex(1); // Psalm 3:1
        });
        view.OnByVerse();
        QCOMPARE(view.Navigator().GetIndex(), 3);
        QVERIFY(f.ui.messageBoxes.empty());
        AnswerNextDialog<CSelectVerseDialog>([](CSelectVerseDialog& dlg) {
            dlg.BookList()->setCurrentIndex(42);
            dlg.ChapterList()->setCurrentIndex(2);
            dlg.VerseList()->setCurrentIndex(15); // John 3:16
        });
        view.OnByVerse();
        QCOMPARE(view.Navigator().GetIndex(), 3);
        QCOMPARE(f.ui.messageBoxes.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.ui.messageBoxes[0].text),
                 QString("John 3:16 is not in the current reading plan."));
        QVERIFY(f.ui.messageBoxes[0].icon == MbIcon::exclamation);
    }

    void copyGivesTheExactText() {
        PlanFixture f;
        CJJulian d = Day(2001, 4, 10);
        f.Load({PlanFixture::Assignment(d, d, {{kGen1_1, kGen1_3}, {kJohn3_16, kJohn3_16}}),
                PlanFixture::Assignment(d, d.AddDays(2), {})});
        CReadingPlanView view(*f.doc);
        view.OnInitialUpdate();
        view.OnCmdMsg(Cmd::EditCopy);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Today is Tue 04/10/2001\r\n\r\nReading Plan scheduled for Tue 04/10/2001\r\n\r\n"
                         "Your assignment today is:\r\nGenesis 1:1 through Genesis 1:3\r\nJohn 3:16\r\n"));
        view.Navigator().Next();
        view.OnCopy();
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Today is Tue 04/10/2001\r\n\r\nReading Plan scheduled for Thu 04/12/2001\r\n"
                         "(Originally scheduled for Tue 04/10/2001)\r\n\r\nThe assignment for Thu 04/12/2001 "
                         "is:\r\nNo reading assignment today."));
    }

    void finishedReadingUpdatesTheProgress() {
        PlanFixture f;
        CJJulian d = Day(2001, 4, 10);
        f.Load({PlanFixture::Assignment(d, d, {{0, 9}}),
                PlanFixture::Assignment(d.AddDays(1), d.AddDays(1), {{10, 39}})});
        // Committed at once, each change is in the journal with its time.
        f.doc->SetCommitAtOnce(true);
        qputenv("SCRIVANE_DEVICE", "0123456789abcdef");
        qputenv("SCRIVANE_NOW", "2001-04-10T07:30:00");
        CReadingPlanView view(*f.doc);
        std::pair<int, int> plan{-1, -1}, lifetime{-1, -1};
        view.planProgress = [&](uint16_t r, uint16_t t) { plan = {r, t}; };
        view.lifetimeProgress = [&](uint16_t r, uint16_t t) { lifetime = {r, t}; };
        view.OnInitialUpdate();
        QCOMPARE(plan, std::make_pair(0, 40));
        QCOMPARE(lifetime, std::make_pair(0, 31218));
        view.OnCmdMsg(Cmd::FinishedReading);
        QCOMPARE(plan, std::make_pair(10, 40));
        // On to the next unfinished day, so that days behind are marked one after another.
        QCOMPARE(view.Navigator().GetIndex(), 1);
        // Under a finished assignment, the day it was finished; nothing under one still to read.
        QVERIFY(!Texts(view.Layout(10, 8, false, Qt::black)).last().contains("Finished on"));
        view.Navigator().SetIndex(0);
        QCOMPARE(Texts(view.Layout(10, 8, false, Qt::black)).last(), QString("7|Finished on Tue 04/10/2001"));
        view.resize(600, 300);
        SaveScreenshot(&view, "plan-view-finished");
        view.Navigator().SetIndex(1);
        view.OnCmdMsg(Cmd::FinishedReading);
        QCOMPARE(plan, std::make_pair(40, 40));
        // The last one stays, shown read; marked again, it counts in the lifetime history.
        QCOMPARE(view.Navigator().GetIndex(), 1);
        view.OnCmdMsg(Cmd::FinishedReading);
        QCOMPARE(plan, std::make_pair(40, 40));
        QCOMPARE(lifetime, std::make_pair(30, 31218));
        view.Navigator().SetIndex(0);
        view.OnCmdMsg(Cmd::FinishedReading); // nothing unfinished after it: it stays
        QCOMPARE(view.Navigator().GetIndex(), 0);
    }

    void printsAPage() {
        PlanFixture f;
        CJJulian d = Day(2001, 4, 10);
        f.Load({PlanFixture::Assignment(d, d, {{kGen1_1, kGen1_3}, {kJohn3_16, kJohn3_16}})});
        CReadingPlanView view(*f.doc);
        view.OnInitialUpdate();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = f.dir.filePath("plan.pdf");
        printer.setOutputFileName(pdf);
        view.PrintTo(printer);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 500);
        QByteArray dir = qgetenv("SCRIVANE_SCREENSHOTS");
        if (!dir.isEmpty()) QFile::copy(pdf, QString::fromLocal8Bit(dir) + "/plan-printed.pdf");
    }
};

QTEST_MAIN(TestPlanView)
#include "test_planview.moc"
