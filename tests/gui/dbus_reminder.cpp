// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder on a real session bus (run under dbus-run-session): a
// listener owns org.freedesktop.Notifications on a connection of its own and
// records what it is sent.
#include "PlanFixture.h"
#include "rhythm/DesktopNotifier.h"
#include "rhythm/ReminderService.h"
#include "rhythm/RhythmSettings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>

class CNotificationListener : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString app, summary, body;
        QStringList actions;
    };
    QList<Call> calls;

public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int) {
        calls.append({app, summary, body, actions});
        return uint(calls.size());
    }
    QStringList GetCapabilities() { return {"actions", "body"}; }
    QString GetServerInformation(QString& vendor, QString& version, QString& protocolVersion) {
        vendor = "test";
        version = "1";
        protocolVersion = "1.2";
        return "listener";
    }
};

namespace {

// A Monday-to-Friday plan: Mon 7, Tue 8, Wed 9 December 2026.
CReadingPlanDoc& LoadWeekdayPlan(PlanFixture& f) {
    CBible& bible = TheBible();
    const VerseRange gen1{0, 30};
    const VerseRange gen2{31, 55};
    const VerseRange jude3{bible.GetVerseIndex(65, 1, 3), bible.GetVerseIndex(65, 1, 3)};
    std::vector<CPlanElement> elements = {
        PlanFixture::Assignment(Day(2026, 12, 7), Day(2026, 12, 7), {gen1}),
        PlanFixture::Assignment(Day(2026, 12, 8), Day(2026, 12, 8), {gen2}),
        PlanFixture::Assignment(Day(2026, 12, 9), Day(2026, 12, 9), {jude3}),
    };
    f.Load(elements);
    // The fixture reads every day; this plan keeps the weekend free.
    const std::string path = JoinStem(f.context.baseDirectory, f.context.fileStem) + ".vnpln";
    std::string bytes = ReadWholeFile(path);
    size_t at = 4;
    for (int s = 0; s < 3; ++s) {
        CArchive probe(bytes.substr(at));
        at += probe.ReadString().size() + 1; // short strings: one length byte
    }
    at += 4; // repeatBooks
    for (int d = 0; d < 7; ++d)
        bytes[at + 4 * size_t(d)] = (d == 0 || d == 6) ? 0 : 1;
    SaveFileAtomic(path, bytes);
    f.doc = std::make_unique<CReadingPlanDoc>(f.ui, f.context);
    f.doc->OnNewDocument();
    return *f.doc;
}

CJJulian At(int day, int hour, int minute) {
    CJJulian t = Day(2026, 12, day);
    t.SetTime(int16_t(hour), int16_t(minute), 0, 0);
    return t;
}

} // namespace

class TestDbusReminder : public QObject {
    Q_OBJECT
    QTemporaryDir config_;
    QDBusConnection listenerBus_{QString()};
    CNotificationListener listener_;

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus: run under dbus-run-session");
        listenerBus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "listener");
        QVERIFY(listenerBus_.isConnected());
        QVERIFY(
            listenerBus_.registerObject(kNotificationsPath, &listener_,
                                        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        QVERIFY(listenerBus_.registerService(kNotificationsService));
    }

    void remindsOnceOnReadingDaysWithAReadingDue() {
        PlanFixture f;
        CReadingPlanDoc& doc = LoadWeekdayPlan(f);
        QCOMPARE(doc.GetReadOnWeekday(7), 0);
        QSettings settings(config_.filePath("settings.ini"), QSettings::IniFormat);
        SaveReminderSettings(settings, f.context.fileStem, {true, 8 * 60});

        CDesktopNotifier notifier;
        QVERIFY(notifier.Available());
        CReminderService service(settings, notifier);
        CJJulian now = At(7, 7, 59);
        service.clock = [&now] { return now; };
        service.SetPlan(&doc, f.context.fileStem);
        QVERIFY(service.Timer().isActive());

        struct Step {
            const char* what;
            CJJulian now;
            int finishedUpTo; // assignments finished before the look
            int expected;     // notifications received so far
        } steps[] = {
            {"a minute early", At(7, 7, 59), 0, 0},
            {"at the time on Monday", At(7, 8, 0), 0, 1},
            {"again later on Monday", At(7, 12, 0), 0, 1},
            {"Saturday, though behind: no reading day", At(12, 9, 0), 0, 1},
            {"Tuesday, with Tuesday's reading finished", At(8, 9, 0), 2, 1},
            {"Wednesday, its reading due", At(9, 9, 0), 2, 2},
        };
        int finished = 0;
        for (const Step& s : steps) {
            while (finished < s.finishedUpTo)
                doc.FinishElement(uint16_t(finished++));
            now = s.now;
            service.Check();
            QTRY_COMPARE_WITH_TIMEOUT(int(listener_.calls.size()), s.expected, 2000);
            // Nothing more arrives late.
            QTest::qWait(250);
            QVERIFY2(listener_.calls.size() == s.expected, s.what);
        }
        QCOMPARE(listener_.calls[0].app, QString("Scrivane"));
        QCOMPARE(listener_.calls[0].summary, QString("Scrivane: today's reading"));
        QCOMPARE(listener_.calls[0].body, QString("Genesis 1:1 through Genesis 1:31"));
        QVERIFY(listener_.calls[0].actions.contains("default"));
        QCOMPARE(listener_.calls[1].body, QString("Jude 3"));

        // A restart on the same day remembers that the reminder was shown.
        CReminderService again(settings, notifier);
        again.clock = [&now] { return now; };
        again.SetPlan(&doc, f.context.fileStem);
        again.Check();
        QTest::qWait(300);
        QCOMPARE(listener_.calls.size(), 2);
    }

    void aClickOnTheNotificationIsReported() {
        CDesktopNotifier notifier;
        QSignalSpy clicked(&notifier, &CDesktopNotifier::Clicked);
        const int before = int(listener_.calls.size());
        notifier.Notify("Scrivane: today's reading", "Jude 3");
        QTRY_COMPARE(int(listener_.calls.size()), before + 1);
        QTest::qWait(100);
        const uint id = uint(listener_.calls.size());
        // Another program's notification, and another action, are not ours.
        for (const auto& [which, action] : {std::pair{id + 100, QString("default")},
                                            std::pair{id, QString("x")}, std::pair{id, QString("default")}}) {
            QDBusMessage signal =
                QDBusMessage::createSignal(kNotificationsPath, kNotificationsService, "ActionInvoked");
            signal << which << action;
            QVERIFY(listenerBus_.send(signal));
        }
        QTRY_COMPARE(clicked.count(), 1);
        QTest::qWait(200);
        QCOMPARE(clicked.count(), 1);
    }

    void noServiceMeansNotAvailable() {
        listenerBus_.unregisterService(kNotificationsService);
        CDesktopNotifier notifier;
        QVERIFY(!notifier.Available());
        listenerBus_.registerService(kNotificationsService);
        // Without any bus at all.
        CDesktopNotifier nowhere(QDBusConnection(QString("no such connection")));
        QVERIFY(!nowhere.Available());
        nowhere.Notify("x", "y"); // quietly nothing
    }
};

QTEST_MAIN(TestDbusReminder)
#include "dbus_reminder.moc"
