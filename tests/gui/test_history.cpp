// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanFixture.h"
#include "Screenshots.h"
#include "coverage/CoverageMap.h"
#include "coverage/ReadingHistoryView.h"
#include "framework/Theme.h"

#include <QFile>
#include <QScrollArea>
#include <QToolTip>
#include <QtTest>

namespace {

int32_t Jan(int d) {
    return Day(2027, 1, d).GetDayNumber();
}

QColor Shade(int level) {
    return CCoverageMapPainter::kLevelColours[static_cast<size_t>(level)];
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("SCRIVANE_DEVICE", "0123456789abcdef"); }
    void cleanup() { SetTodayOverride(std::nullopt); }

    // Readings finished on Jan 4-8, 10 and 11 (two on the 11th, one an extra reading); today is the 12th.
    void calendarOfTheJournal() {
        SetTodayOverride(Day(2027, 1, 12));
        PlanFixture f;
        std::vector<CPlanElement> plan;
        for (int d = 4; d <= 12; ++d)
            plan.push_back(PlanFixture::Assignment(Day(2027, 1, d), Day(2027, 1, d),
                                                   {{uint16_t(d * 100), uint16_t(d * 100 + 9)}}));
        CReadingPlanDoc& doc = f.Load(plan);
        doc.SetCommitAtOnce(true);
        for (int d : {4, 5, 6, 7, 8, 10, 11}) {
            qputenv("SCRIVANE_NOW", QString("2027-01-%1T07:15:00").arg(d, 2, 10, QChar('0')).toLatin1());
            doc.FinishElement(uint16_t(d - 4));
        }
        qputenv("SCRIVANE_NOW", "2027-01-11T21:40:00");
        f.ui.extraReadingAnswers.push_back(ExtraReading{0, 30, 0});
        doc.OnEnterReadingOf(0, 30);

        CReadingHistoryView view(doc);
        view.resize(1000, 520);
        const HistoryPicture& picture = view.Picture();
        QCOMPARE(picture.streaks.current, 2);
        QCOMPARE(picture.streaks.longest, 5);
        QVERIFY(
            picture.HeadLines().contains("Current streak: 2 reading days    Longest streak: 5 reading days"));
        QVERIFY(picture.HeadLines().contains("This month: 101 verses, 8 readings, 7 reading days"));

        // Read days shaded, the day missed and today not; the longer day deeper.
        const QImage image = view.grab().toImage();
        auto colour = [&](int d) { return image.pixelColor(view.DayRect(Jan(d)).center()); };
        for (int d : {4, 5, 6, 7, 8, 10})
            QCOMPARE(colour(d), Shade(1));
        QCOMPARE(colour(11), Shade(2));
        QCOMPARE(colour(9), Shade(0));
        QCOMPARE(colour(12), Shade(0));
        SaveScreenshot(&view, "history");

        // A click lists the day's readings.
        QTest::mouseClick(&view, Qt::LeftButton, {}, view.DayRect(Jan(11)).center());
        QCOMPARE(picture.selected, Jan(11));
        QCOMPARE(picture.DayLines(), QStringList({"Mon 01/11/2027: 2 readings, 41 verses",
                                                  "07:15   Finished reading   Genesis 37:17–26",
                                                  "21:40   Extra reading   Genesis 1"}));
        SaveScreenshot(&view, "history-day");

        // A change committed reaches the window: today is read.
        qputenv("SCRIVANE_NOW", "2027-01-12T06:00:00");
        doc.FinishElement(8);
        QCOMPARE(view.grab().toImage().pixelColor(view.DayRect(Jan(12)).center()), Shade(1));
        QCOMPARE(view.Picture().streaks.current, 3);

        // Small and large windows: the text keeps its size, the squares grow with the room.
        QScrollArea scroller;
        scroller.setWidgetResizable(true);
        CReadingHistoryView* inside = new CReadingHistoryView(doc);
        scroller.setWidget(inside);
        scroller.resize(360, 240);
        scroller.show();
        QVERIFY(inside->width() >= inside->minimumWidth());
        const int small = inside->DayRect(Jan(4)).width();
        QVERIFY(inside->CurrentLayout().fontPixels >= CCoverageMap::MinimumFontPixels());
        SaveScreenshot(&scroller, "history-small");
        scroller.resize(1600, 900);
        QApplication::processEvents();
        QVERIFY(inside->DayRect(Jan(4)).width() > small);
        SaveScreenshot(&scroller, "history-large");
        ApplyTheme(Theme::dark);
        QApplication::processEvents();
        SaveScreenshot(&scroller, "history-dark");
        ApplyTheme(Theme::light);

        QTemporaryDir out;
        const QString svg = out.path() + "/history.svg";
        QVERIFY(view.SaveAs(svg.toStdString(), true));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("<svg") && bytes.contains("Reading History"));
        // Where the picture cannot be written the reader is told.
        QVERIFY(!view.SaveAs((svg + "/h.svg").toStdString(), true));
        QCOMPARE(f.ui.messageBoxes.size(), size_t(1));

        // The coverage map's tooltip tells when a chapter was last read; nothing for one never read.
        CCoverageMap map(doc);
        map.resize(1280, 900);
        map.show();
        const QPoint genesis1 = map.ChapterRect(1, 1).center();
        const QString tip = map.ToolTipAt(genesis1);
        QVERIFY2(tip.endsWith("\nLast read Mon 01/11/2027"), qPrintable(tip));
        QVERIFY(!map.ToolTipAt(map.ChapterRect(2, 1).center()).contains("Last read"));
        QToolTip::showText(map.mapToGlobal(genesis1), tip, &map);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel")) SaveScreenshot(w, "coverage-tooltip");
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
