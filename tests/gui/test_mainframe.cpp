#include "shell/MainFrame.h"

#include <QMenuBar>
#include <QtTest>

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void exitClosesTheWindow() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.windowTitle(), QString("Scrivane"));
        QAction* exit = nullptr;
        for (QAction* menu : frame.menuBar()->actions())
            if (menu->text() == "&File")
                for (QAction* a : menu->menu()->actions())
                    if (a->text() == "E&xit") exit = a;
        QVERIFY(exit);
        exit->trigger();
        QVERIFY(!frame.isVisible());
    }
};

QTEST_MAIN(TestMainFrame)
#include "test_mainframe.moc"
