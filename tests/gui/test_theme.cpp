// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/CommandIds.h"
#include "framework/TextZoom.h"
#include "framework/Theme.h"

#include <QApplication>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <span>

class TestTheme : public QObject {
    Q_OBJECT
    QTemporaryDir config_;

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
    }

    // Every pair of colours drawn one on the other stands out at least 4.5 : 1 in every theme; the marks
    // of readings do on the desktop's own palette too, and read and overdue differ from each other.
    void everyThemeKeepsItsContrast() {
        const QPalette desktop = QApplication::style()->standardPalette();
        for (Theme theme : {Theme::desktop, Theme::light, Theme::dark, Theme::highContrast}) {
            const QPalette p = ThemePalette(theme, desktop);
            const MarkColours marks = MarkColoursFor(p);
            const QColor base = p.color(QPalette::Base);
            const struct {
                const char* what;
                QColor fore, back;
            } pairs[] = {
                {"text", p.color(QPalette::Text), base},
                {"window text", p.color(QPalette::WindowText), p.color(QPalette::Window)},
                {"button text", p.color(QPalette::ButtonText), p.color(QPalette::Button)},
                {"selected text", p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)},
                {"read", marks.read, base},
                {"overdue", marks.overdue, base},
                {"behind", MarkColoursFor(p, QPalette::Window).overdue, p.color(QPalette::Window)},
            };
            // The desktop's own colours are the desktop's to choose.
            for (const auto& pair : theme == Theme::desktop ? std::span(pairs).last(3) : std::span(pairs)) {
                const double ratio = ContrastRatio(pair.fore, pair.back);
                if (ratio < 4.5)
                    QFAIL(qPrintable(QString("theme %1, %2: %3 on %4 is only %5 : 1")
                                         .arg(static_cast<int>(theme))
                                         .arg(pair.what, pair.fore.name(), pair.back.name())
                                         .arg(ratio, 0, 'f', 2)));
            }
            QVERIFY(marks.read != marks.overdue);
            // A focus frame is a control's outline: 3 : 1 is what it needs.
            QVERIFY(ContrastRatio(FocusFrameColour(p), base) >= 3.0);
        }
        // The measure itself: black on white is the most there is, a colour on itself none.
        QCOMPARE(qRound(ContrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(ContrastRatio(QColor(90, 30, 200), QColor(90, 30, 200)), 1.0);
    }

    // A theme is the whole program's palette and is remembered; the desktop's comes back whole.
    void themeIsAppliedAndRemembered() {
        const QPalette before = QApplication::palette();
        ApplyTheme(Theme::dark);
        QCOMPARE(RememberedTheme(), Theme::dark);
        QCOMPARE(QApplication::palette().color(QPalette::Base),
                 ThemePalette(Theme::dark, before).color(QPalette::Base));
        ApplyTheme(Theme::desktop);
        QCOMPARE(RememberedTheme(), Theme::desktop);
        QCOMPARE(QApplication::palette().color(QPalette::Base), before.color(QPalette::Base));
        QCOMPARE(QApplication::palette().color(QPalette::Text), before.color(QPalette::Text));
        // A value no version wrote is the desktop's.
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane")
            .setValue("View/Theme", 9);
        QCOMPARE(RememberedTheme(), Theme::desktop);
    }

    // The text size goes by steps within 75 % to 300 %, and a window made again takes the reader's size.
    void zoomGoesByStepsAndIsRemembered() {
        const struct {
            int percent, direction, expected;
        } steps[] = {{100, +1, 110}, {100, -1, 90},  {300, +1, 300}, {75, -1, 75},   {80, +1, 90},
                     {80, -1, 75},   {120, +1, 125}, {120, -1, 110}, {1000, -1, 300}};
        for (const auto& s : steps)
            QCOMPARE(ZoomStep(s.percent, s.direction), s.expected);

        const qreal base = QApplication::font().pointSizeF();
        auto stem = [] { return std::string("\\Ann"); };
        QWidget first;
        const auto commands = TextZoomCommands(first, stem, "Plan/Zoom");
        QCOMPARE(commands[0].id, Cmd::ViewZoomIn);
        commands[0].run();
        commands[0].run();
        QCOMPARE(first.font().pointSizeF(), base * 1.25);
        QWidget second;
        const auto again = TextZoomCommands(second, stem, "Plan/Zoom");
        QCOMPARE(second.font().pointSizeF(), base * 1.25);
        QCOMPARE(again[2].id, Cmd::ViewActualSize);
        again[2].run();
        QCOMPARE(second.font().pointSizeF(), base);
        QVERIFY(!again[2].enabled() && again[0].enabled());
    }
};

QTEST_MAIN(TestTheme)
#include "test_theme.moc"
