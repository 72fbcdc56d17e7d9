// SPDX-License-Identifier: GPL-3.0-or-later
#include "Screenshots.h"
#include "planview/DayButton.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/PlanLoadProgressDialog.h"
#include "planview/PlanPropertiesDialog.h"
#include "planview/SelectDateDialog.h"
#include "planview/SelectVerseDialog.h"

#include "framework/HelpService.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <set>

namespace {

CJJulian Day(int y, int m, int d) {
    return CJJulian::Day(int16_t(y), int16_t(m), int16_t(d));
}

// "state:day" for every cell, empty cells as "0".
QStringList Grid(const CSelectDateDialog& dlg) {
    QStringList cells;
    for (int k = 0; k < 42; ++k) {
        CDayButton* b = dlg.Cell(k);
        cells << (b->GetState() == 0 ? QString("0") : QString("%1:%2").arg(b->GetState()).arg(b->GetDay()));
    }
    return cells;
}

} // namespace

class TestPickers : public QObject {
    Q_OBJECT
private slots:
    void monthGridPlacesTheFirstDayUnderItsWeekday() {
        struct Case {
            CJJulian start;
            int firstCell, lastCell;
            const char* caption;
        } cases[] = {
            {Day(2001, 4, 15), 7, 36, "April 2001"},    // begins on a Sunday: row 0 stays empty
            {Day(2001, 2, 10), 4, 31, "February 2001"}, // begins on a Thursday
            {Day(2000, 2, 10), 2, 30, "February 2000"}, // leap year, begins on a Tuesday
        };
        for (const Case& c : cases) {
            CSelectDateDialog dlg;
            dlg.SetStartDate(c.start);
            dlg.show();
            QStringList g = Grid(dlg);
            QCOMPARE(dlg.Caption(), QString(c.caption));
            for (int k = 0; k < 42; ++k) {
                if (k < c.firstCell || k > c.lastCell) {
                    QCOMPARE(g[k], QString("0"));
                    QVERIFY(!dlg.Cell(k)->isEnabled());
                } else {
                    int day = k - c.firstCell + 1;
                    QCOMPARE(dlg.Cell(k)->GetDay(), day);
                    QCOMPARE(dlg.Cell(k)->GetState(), day == c.start.GetDay() ? 3 : 2);
                }
            }
            if (c.start == Day(2001, 4, 15)) SaveScreenshot(&dlg, "select-date-april-2001");
        }
    }

    void monthChangesClampTheSelectedDay() {
        CSelectDateDialog dlg;
        dlg.SetStartDate(Day(2001, 1, 31));
        dlg.show();
        dlg.NextButton()->click();
        QCOMPARE(dlg.Caption(), QString("February 2001"));
        QCOMPARE(dlg.SelectedDay(), 28);
        dlg.SetStartDate(Day(2001, 3, 31));
        dlg.PreviousButton()->click();
        QCOMPARE(dlg.Caption(), QString("February 2001"));
        QCOMPARE(dlg.GetChosenDate(), Day(2001, 2, 28));
        dlg.PreviousButton()->click();
        QCOMPARE(dlg.Caption(), QString("January 2001"));
        QCOMPARE(dlg.SelectedDay(), 28); // the day number stays where the month has it
    }

    void limitsGreyOutDaysAndArrows() {
        CSelectDateDialog dlg;
        dlg.earliestDate = CJJulian(Day(2001, 3, 10).GetDayNumber(), 0);
        dlg.latestDate = CJJulian(Day(2001, 5, 20).GetDayNumber(), 0);
        dlg.SetStartDate(Day(2001, 3, 1));
        dlg.show();
        QCOMPARE(dlg.SelectedDay(), 10);
        QVERIFY(!dlg.PreviousButton()->isEnabled());
        QVERIFY(dlg.NextButton()->isEnabled());
        // March 2001 begins on a Thursday: day 1 is cell 4.
        for (int d = 1; d <= 9; ++d) {
            QCOMPARE(dlg.Cell(3 + d)->GetState(), 1);
            QVERIFY(!dlg.Cell(3 + d)->isEnabled());
        }
        QCOMPARE(dlg.Cell(13)->GetState(), 3);
        SaveScreenshot(&dlg, "select-date-limited");
        dlg.NextButton()->click();
        dlg.NextButton()->click();
        QCOMPARE(dlg.Caption(), QString("May 2001"));
        QVERIFY(!dlg.NextButton()->isEnabled());
        QCOMPARE(dlg.Cell(5 + 21)->GetState(), 1); // May 2001 begins on a Tuesday; day 21 is beyond the limit

        CSelectDateDialog same;
        same.earliestDate = CJJulian(Day(2001, 6, 3).GetDayNumber(), 0);
        same.latestDate = CJJulian(Day(2001, 6, 20).GetDayNumber(), 0);
        same.SetStartDate(Day(2001, 6, 25));
        same.show();
        QVERIFY(!same.PreviousButton()->isEnabled());
        QVERIFY(!same.NextButton()->isEnabled());
        QCOMPARE(same.SelectedDay(), 20);
    }

    void pressingDaysMovesTheMark() {
        CSelectDateDialog dlg;
        dlg.SetStartDate(Day(2001, 4, 15));
        dlg.show();
        const QStringList before = Grid(dlg);
        dlg.Cell(7 + 14)->click(); // the selected day itself
        QCOMPARE(Grid(dlg), before);
        dlg.Cell(7 + 2)->click(); // 3 April
        QCOMPARE(dlg.Cell(7 + 2)->GetState(), 3);
        QCOMPARE(dlg.Cell(7 + 14)->GetState(), 2);
        QCOMPARE(dlg.GetChosenDate(), Day(2001, 4, 3));
        QCOMPARE(dlg.GetChosenDate().GetTimeOfDay(), CJJulian::kOneOClock);
    }

    void verseListsFollowBookAndChapter() {
        CSelectVerseDialog dlg;
        dlg.verse = CVerse(1, 50, 3);
        dlg.show();
        QCOMPARE(dlg.ChapterList()->currentIndex(), 49);
        QCOMPARE(dlg.VerseList()->currentText(), QString("3"));
        dlg.BookList()->setCurrentIndex(1); // Exodus has 40 chapters
        QCOMPARE(dlg.ChapterList()->currentIndex(), 0);
        QCOMPARE(dlg.ChapterList()->count(), 40);
        dlg.BookList()->setCurrentIndex(64); // Jude, one chapter
        QVERIFY(!dlg.ChapterList()->isEnabled());
        dlg.BookList()->setCurrentIndex(18); // Psalms
        QVERIFY(dlg.ChapterList()->isEnabled());
        dlg.ChapterList()->setCurrentIndex(2);
        QCOMPARE(dlg.VerseList()->count(), 9);
        QCOMPARE(dlg.VerseList()->itemText(0), QString("0"));
        QCOMPARE(dlg.VerseList()->itemText(8), QString("8"));
        dlg.VerseList()->setCurrentIndex(0);
        SaveScreenshot(&dlg, "select-verse-psalm-3");
        dlg.accept();
        QCOMPARE(dlg.verse, CVerse(19, 3, 0));

        CSelectVerseDialog psalm1;
        psalm1.verse = CVerse(19, 1, 6);
        psalm1.show();
        QCOMPARE(psalm1.VerseList()->count(), 6);
        QCOMPARE(psalm1.VerseList()->currentText(), QString("6"));
        psalm1.reject();
        QCOMPARE(psalm1.verse, CVerse(19, 1, 6));
    }

    void extraReadingStartAndEndRules() {
        CEnterExtraReadingDialog dlg;
        dlg.Init(1);
        dlg.show();
        QVERIFY(dlg.PlanTooButton()->isChecked());
        QCOMPARE(dlg.StartBox()->text(), QString("Genesis 1:1"));
        SaveScreenshot(&dlg, "enter-extra-reading");
        dlg.ChangeStart(CVerse(43, 3, 16));
        QCOMPARE(dlg.EndBox()->text(), QString("John 3:16")); // the end follows a later start
        dlg.ChangeStart(CVerse(43, 1, 1));
        QCOMPARE(dlg.EndBox()->text(), QString("John 3:16")); // an earlier start leaves it
        dlg.ChangeEnd(CVerse(1, 1, 1));                       // an end before the start is accepted
        QVERIFY(dlg.EndIndex() < dlg.StartIndex());
        dlg.LifetimeOnlyButton()->click();
        dlg.accept();
        QCOMPARE(dlg.Mode(), 0);

        CEnterExtraReadingDialog untouched;
        untouched.Init(0);
        untouched.accept();
        QCOMPARE(untouched.StartIndex(), uint16_t(0));
        QCOMPARE(untouched.EndIndex(), uint16_t(0));
        QCOMPARE(untouched.Mode(), 0);
    }

    void extraReadingTakesATypedReference() {
        struct Case {
            const char* typed;
            const char* start;
            const char* end;
            const char* problem;
        } cases[] = {
            {"John 3:16-18", "John 3:16", "John 3:18", ""},
            {"ps 23", "Psalms 23:0", "Psalms 23:6", ""},
            {"1 Cor 13", "1Corinthians 13:1", "1Corinthians 13:13", ""},
            {"Jude 5", "Jude 5", "Jude 5", ""},
            {"Gen 50 - Ex 2", "Genesis 50:1", "Exodus 2:25", ""},
            // Refused: the boxes keep what they showed.
            {"Jude 26", "Genesis 1:1", "Genesis 1:1", "Jude has 1 chapter of 25 verses"},
            {"John 3:18-16", "Genesis 1:1", "Genesis 1:1", "the range \"John 3:18-16\" runs backwards"},
            {"Jon 3:16", "Genesis 1:1", "Genesis 1:1", "Jonah 3 has no verse 16 (it has 10 verses)"},
        };
        for (const Case& c : cases) {
            CEnterExtraReadingDialog dlg;
            dlg.Init(0);
            dlg.show();
            QTest::keyClicks(dlg.ReferenceBox(), c.typed);
            QTest::keyClick(dlg.ReferenceBox(), Qt::Key_Return);
            QCOMPARE(dlg.StartBox()->text(), QString(c.start));
            QCOMPARE(dlg.EndBox()->text(), QString(c.end));
            QCOMPARE(dlg.ReferenceProblem(), QString(c.problem));
            QCOMPARE(dlg.result(), int(c.problem[0] ? QDialog::Rejected : QDialog::Accepted));
            QCOMPARE(dlg.isVisible(), c.problem[0] != 0);
            if (c.problem[0])
                SaveScreenshot(&dlg, "enter-extra-reading-refused-" + QString(c.typed).left(4).trimmed());
        }
    }

    void progressShowsTheFileName() {
        CPlanLoadProgressDialog dlg;
        dlg.SetFileName("D:\\x\\Year.vntpl");
        QCOMPARE(dlg.FileNameShown(), QString("Year.vntpl"));
        dlg.SetFileName("/home/ann/Scrivane/One Year.txt");
        QCOMPARE(dlg.FileNameShown(), QString("One Year.txt"));
        dlg.Create();
        dlg.SetRange(70000); // low 16 bits kept
        QCOMPARE(dlg.Bar()->maximum(), 70000 & 0xFFFF);
        dlg.SetPos(2000);
        QCOMPARE(dlg.Bar()->value(), 2000);
        SaveScreenshot(&dlg, "plan-load-progress");
        dlg.close();
        QVERIFY(dlg.isVisible()); // no close box: only the caller ends it
        dlg.hide();
    }

    void helpKnowsTheControlsAndTopics() {
        struct Case {
            int resource;
            std::set<int> controls;
            const char* topicText;
        } cases[] = {{176, {1, 2, 1052, 1074, 1075, 1076, 1117}, "Select Date"},
                     {177, {1, 2, 1122, 1123, 1124}, "Select Verse"},
                     {174, {1, 2, 1038, 1057, 1058, 1063, 1072, 1073, 1140}, "Enter Extra Reading"}};
        for (const Case& c : cases) {
            std::unique_ptr<QDialog> dlg;
            if (c.resource == 176) dlg = std::make_unique<CSelectDateDialog>();
            if (c.resource == 177) dlg = std::make_unique<CSelectVerseDialog>();
            if (c.resource == 174) dlg = std::make_unique<CEnterExtraReadingDialog>();
            dlg->show();
            for (int id : c.controls) {
                QWidget* w = dlg->findChild<QWidget*>(QString::number(id));
                QVERIFY2(w, qPrintable(QString("control %1 of dialog %2").arg(id).arg(c.resource)));
                QVERIFY(!w->whatsThis().isEmpty());
            }
            // F1 elsewhere in the dialog opens its topic page.
            dlg->setFocus();
            QTest::keyClick(dlg.get(), Qt::Key_F1);
            QTextBrowser* help = CHelpService::Instance().Browser();
            QVERIFY(help);
            QCOMPARE(help->source().toString(),
                     QString("qrc:/help/%1.html").arg(0x20000 + c.resource, 0, 16));
            QVERIFY(help->toPlainText().contains(c.topicText));
            help->close();
        }
    }

    void propertiesTextIsReadOnly() {
        CPlanPropertiesDialog dlg(
            "One Year\r\n\r\nFormat 1.0\r\n\r\nGenerated By Scrivane\r\n\r\nReading Plan Completed");
        dlg.show();
        QVERIFY(dlg.TextBox()->isReadOnly());
        QCOMPARE(dlg.TextBox()->toPlainText(),
                 QString("One Year\n\nFormat 1.0\n\nGenerated By Scrivane\n\nReading Plan Completed"));
        QVERIFY(dlg.TextBox()->textCursor().atEnd());
        SaveScreenshot(&dlg, "plan-properties");
    }
};

QTEST_MAIN(TestPickers)
#include "test_pickers.moc"
