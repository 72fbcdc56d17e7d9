// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/MdiChildFrame.h"
#include "gallery/PlanGalleryDialog.h"
#include "gallery/ReadingList.h"
#include "plan/ReadingPlanDoc.h"
#include "planview/ReadingPlanView.h"
#include "shell/MainFrame.h"
#include "shell/ReaderDialog.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QPushButton* Button(QWidget* w, int id) {
    return w->findChild<QPushButton*>(QString::number(id));
}

// The first drawn line that holds text, of the plan window.
QStringList DrawnText(const CReadingPlanView& view) {
    QStringList lines;
    for (const auto& l : view.Layout(10, 8, false, Qt::black))
        lines << l.text;
    return lines;
}

} // namespace

// A newcomer's first minutes: an empty base directory, the first steps in
// the empty window, a reader, and a plan from the gallery.
class TestGallery : public QObject {
    Q_OBJECT

    QTemporaryDir base_;
    QTemporaryDir config_;
    std::unique_ptr<CScrivaneApp> app_;

    CReadingPlanView* PlanView() {
        for (QMdiSubWindow* w : app_->MainFrame()->MdiArea()->subWindowList()) {
            auto* child = qobject_cast<CMdiChildFrame*>(w);
            if (auto* view = child ? dynamic_cast<CReadingPlanView*>(child->View()) : nullptr) {
                app_->MainFrame()->MdiArea()->setActiveSubWindow(w);
                return view;
            }
        }
        return nullptr;
    }

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane").clear();
        QDir::setCurrent(QDir::tempPath());
        QDir(base_.path()).removeRecursively();
        QDir().mkpath(base_.path());
        QDir::setCurrent(base_.path());
        SetTodayOverride(CJJulian::Day(2027, 1, 4));
    }
    void cleanup() {
        if (app_ && app_->MainFrame()) app_->MainFrame()->close();
        app_.reset();
        SetTodayOverride(std::nullopt);
    }

    void firstRunToTodaysReading() {
        QVERIFY(QDir(base_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app_->MainFrame();
        frame->resize(900, 650);
        QTest::qWait(20);
        frame->UpdateCommandUi();
        // The welcome follows the window's first paint.
        QTRY_VERIFY(frame->FirstStepsText() && frame->FirstStepsText()->isVisible());
        QLabel* steps = frame->FirstStepsText();
        QVERIFY(steps->text().contains("Open Reader Environment"));
        QVERIFY(steps->text().contains("New Reader"));
        QVERIFY(steps->text().contains("New Plan from Gallery"));
        // Inside the client area, not over the menus.
        QVERIFY(frame->MdiArea()->viewport()->rect().contains(steps->geometry()));
        SaveScreenshot(frame, "gallery-firstrun");

        bool focusOnNewReader = false;
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CSelectReaderDialog*>(w);
            QVERIFY(d);
            focusOnNewReader = d->focusWidget() == Button(d, 1046);
            OnNextModal([](QWidget* r) {
                auto* rd = qobject_cast<CReaderDialog*>(r);
                QVERIFY(rd);
                rd->FirstName()->setText("Anna");
                rd->LastName()->setText("Berg");
                rd->Nickname()->setText("Anna");
                Button(rd, 1)->click();
            });
            Button(d, 1046)->click();
            Button(d, 1)->click();
        });
        frame->OnCommand(Cmd::OpenReaderEnvironment);
        QVERIFY(focusOnNewReader);
        QVERIFY(app_->Environment().IsOpen());
        frame->UpdateCommandUi();
        QVERIFY(!steps->isVisible());

        CReadingPlanView* view = PlanView();
        QVERIFY(view);
        QCOMPARE(view->Document().GetElementCount(), uint16_t(0));
        QStringList titles;
        OnNextModal([&](QWidget* w) {
            auto* g = qobject_cast<CPlanGalleryDialog*>(w);
            QVERIFY(g);
            for (const GalleryEntry& e : g->Entries())
                titles << QString::fromStdString(e.title);
            QVERIFY(g->SelectTitle("New Testament in 90 days"));
            QVERIFY(g->findChild<QLabel*>("galleryPreview")
                        ->text()
                        .startsWith("Mon 01/04/2027: Matthew 1:1 through Matthew 4:25"));
            SaveScreenshot(g, "gallery");
            Button(g, 1)->click();
        });
        frame->OnCommand(Cmd::NewPlanFromGallery);
        QVERIFY(titles.contains("Bible in one year"));
        QVERIFY(titles.size() >= 7);

        CReadingPlanDoc& doc = view->Document();
        QCOMPARE(QString::fromStdString(doc.GetTemplateTitle()), QString("New Testament in 90 days"));
        QCOMPARE(doc.GetElementCount(), uint16_t(90));
        QCOMPARE(view->Navigator().GetIndex(), 0);
        QCOMPARE(doc.GetElement(0).GetScheduledDate().GetDayNumber(), Today().GetDayNumber());
        const QString shown = DrawnText(*view).join('\n');
        QVERIFY2(shown.contains("Matthew 1:1 through"), qPrintable(shown));
        QVERIFY2(shown.contains("01/04/2027"), qPrintable(shown));
        SaveScreenshot(frame, "gallery-plan");
    }

    // A plan begun by others ten days ago is joined part-way: it starts on their day, and the days
    // already gone are left out.
    void aPlanIsJoinedPartWay() {
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({}));
        CSplashWindow::HideSplash();
        QVERIFY(app_->Environment().CreateReader({"Anna", "Berg", "Anna"}, {}) >= 0);
        app_->Environment().LastReader() = "Anna";
        QVERIFY(app_->OpenLastReaderEnvironment());
        CReadingPlanView* view = PlanView();
        QVERIFY(view);
        bool skipOfferedForToday = true;
        OnNextModal([&](QWidget* w) {
            auto* g = qobject_cast<CPlanGalleryDialog*>(w);
            QVERIFY(g);
            QVERIFY(g->SelectTitle("New Testament in 90 days"));
            QCOMPARE(g->StartBox()->date(), QDate(2027, 1, 4));
            skipOfferedForToday = g->SkipPastBox()->isEnabled();
            g->StartBox()->setDate(QDate(2026, 12, 25));
            QVERIFY(g->SkipPastBox()->isEnabled());
            g->SkipPastBox()->setChecked(true);
            SaveScreenshot(g, "gallery-joined-part-way");
            Button(g, 1)->click();
        });
        app_->MainFrame()->OnCommand(Cmd::NewPlanFromGallery);
        QVERIFY(!skipOfferedForToday);
        CReadingPlanDoc& doc = view->Document();
        QCOMPARE(doc.GetStartDate().GetDayNumber(), CJJulian::Day(2026, 12, 25).GetDayNumber());
        // Ten days gone: 80 of the 90 are left, the first of them today's.
        QCOMPARE(doc.GetElementCount(), uint16_t(80));
        QCOMPARE(doc.GetElement(0).GetScheduledDate().GetDayNumber(), Today().GetDayNumber());
        QVERIFY(QString::fromStdString(
                    RangeText(doc.GetElement(0).GetRangeStart(0), doc.GetElement(0).GetRangeStart(0)))
                    .startsWith("Matthew"));
    }

    // New Reader asks first for the one name it needs, and says the others may stay empty.
    void newReaderAsksForTheNickNameFirst() {
        CReaderDialog d(CReaderDialog::newReader, {});
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.focusWidget(), d.Nickname());
        QCOMPARE(d.findChild<QFormLayout*>()->itemAt(0, QFormLayout::FieldRole)->widget(), d.Nickname());
        QCOMPARE(d.Nickname()->placeholderText(), QString("required"));
        QCOMPARE(d.FirstName()->placeholderText(), QString("optional"));
        SaveScreenshot(&d, "newreader-empty");
        QTest::keyClicks(d.Nickname(), "Luca B.");
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        QCOMPARE(d.focusWidget(), d.FirstName());
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        QCOMPARE(d.focusWidget(), d.LastName());
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        QCOMPARE(d.focusWidget()->objectName(), QString("1041"));
        SaveScreenshot(&d, "newreader-nick-first");
    }

    // A dated list proposes its first date; the preview counts from the start chosen, and a date
    // the reader chose stays when another plan is chosen.
    void aDatedListProposesItsFirstDate() {
        SaveFileAtomic(base_.filePath("Dated.txt").toStdString(),
                       WriteReadingListImport(ParseReadingList("2027-01-01: Gen 1\n2027-01-02: Gen 2\n"
                                                               "2027-01-03: Gen 3\n2027-01-04: Gen 4\n"),
                                              "Church list", "Read with the church"));
        CPlanGalleryDialog g(ListGallery(ShippedPlansDirectory(), {base_.path().toStdString()}, Today()));
        g.show();
        auto* heading = g.findChild<QLabel*>("galleryPreviewHeading");
        auto* preview = g.findChild<QLabel*>("galleryPreview");
        QVERIFY(g.SelectTitle("Church list"));
        QCOMPARE(g.StartBox()->date(), QDate(2027, 1, 1));
        QVERIFY(preview->text().startsWith("Fri 01/01/2027: Genesis 1:1"));
        QCOMPARE(heading->text(), QString("The first week, starting Fri 01/01/2027:"));
        g.SkipPastBox()->setChecked(true);
        QVERIFY(preview->text().startsWith("Mon 01/04/2027: Genesis 4:1"));
        QApplication::processEvents(); // the labels' new heights
        SaveScreenshot(&g, "gallery-dated-list");
        QVERIFY(g.SelectTitle("New Testament in 90 days"));
        QCOMPARE(g.StartBox()->date(), QDate(2027, 1, 4));
        QVERIFY(!g.SkipPastBox()->isChecked());
        QCOMPARE(heading->text(), QString("The first week, starting today:"));
        g.StartBox()->setDate(QDate(2026, 12, 25));
        QVERIFY(preview->text().startsWith("Fri 12/25/2026: Matthew 1:1"));
        QApplication::processEvents();
        SaveScreenshot(&g, "gallery-chosen-start");
        QVERIFY(g.SelectTitle("Church list"));
        QCOMPARE(g.StartBox()->date(), QDate(2026, 12, 25));
        QVERIFY(preview->text().startsWith("Fri 12/25/2026: Genesis 1:1"));
        QCOMPARE(g.StartChoice().start->GetDayNumber(), CJJulian::Day(2026, 12, 25).GetDayNumber());
    }

    // New Plan keeps its question and its file dialog, which offers the gallery.
    void newPlanOffersTheGalleryBesideBrowsing() {
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app_->MainFrame();
        QVERIFY(app_->Environment().CreateReader({"Anna", "Berg", "Anna"}, {}) >= 0);
        frame->UpdateCommandUi();
        QVERIFY(!frame->FirstStepsText() || !frame->FirstStepsText()->isVisible());
        app_->Environment().LastReader() = "Anna";
        OnNextModal([](QWidget* w) { Button(w, 1)->click(); });
        frame->OnCommand(Cmd::OpenReaderEnvironment);
        CReadingPlanView* view = PlanView();
        QVERIFY(view);
        // A damaged template of the reader's own is listed, not offered.
        SaveFileAtomic(base_.filePath("Broken.vntpl").toStdString(), std::string("\x01\x00", 2));

        auto chooseInGallery = [&](const QString& title, QStringList* unusable) {
            OnNextModal([=](QWidget* w) {
                auto* files = qobject_cast<QFileDialog*>(w);
                QVERIFY(files);
                QPushButton* gallery = files->findChild<QPushButton*>("galleryButton");
                QVERIFY(gallery);
                OnNextModal([=](QWidget* g) {
                    auto* dialog = qobject_cast<CPlanGalleryDialog*>(g);
                    QVERIFY(dialog);
                    for (const GalleryEntry& e : dialog->Entries())
                        if (!e.readable) *unusable << QString::fromStdString(e.fileName);
                    QVERIFY(!dialog->SelectTitle("Broken"));
                    SaveScreenshot(dialog, "gallery-own");
                    QVERIFY(dialog->SelectTitle(title));
                    Button(dialog, 1)->click();
                });
                gallery->click();
            });
        };
        QStringList unusable;
        chooseInGallery("Gospels and Acts in 30 days", &unusable);
        frame->OnCommand(Cmd::NewPlan);
        QCOMPARE(unusable, QStringList{"Broken.vntpl"});
        QCOMPARE(QString::fromStdString(view->Document().GetTemplateTitle()),
                 QString("Gospels and Acts in 30 days"));
        QCOMPARE(ReadWholeFile(base_.filePath("Broken.vntpl").toStdString()), std::string("\x01\x00", 2));

        // The plan is unfinished now: New Plan asks first, and No keeps it.
        OnNextModal([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QVERIFY(box->text().startsWith("Loading a new plan."));
            box->button(QMessageBox::No)->click();
        });
        frame->OnCommand(Cmd::NewPlanFromGallery);
        QCOMPARE(view->Document().GetElementCount(), uint16_t(30));
    }

    void importReadingListFromTheFileMenu() {
        const QString list = base_.filePath("my list.csv");
        SaveFileAtomic(list.toStdString(), "Day 1, Genesis 1-2; Matthew 1\r\nDay 2, Genesis 3\r\n");
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app_->MainFrame();
        QVERIFY(frame->FindAction(Cmd::ImportReadingList));
        QStringList told;
        OnNextModal([&](QWidget* w) {
            auto* open = qobject_cast<QFileDialog*>(w);
            QVERIFY(open);
            ChooseInFileDialog(open, list);
            OnNextModal([&](QWidget* s) {
                auto* save = qobject_cast<QFileDialog*>(s);
                QVERIFY(save);
                QVERIFY(save->selectedFiles().front().endsWith("my list plan.txt"));
                OnNextModal([&](QWidget* m) {
                    auto* box = qobject_cast<QMessageBox*>(m);
                    QVERIFY(box);
                    told << box->text();
                    box->button(QMessageBox::Ok)->click();
                });
                QMetaObject::invokeMethod(save, "accept");
            });
            QMetaObject::invokeMethod(open, "accept");
        });
        frame->OnCommand(Cmd::ImportReadingList);
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0].startsWith("2 days of readings were written to"));
        QVERIFY(FileExists(base_.filePath("my list plan.txt").toStdString()));
    }
};

QTEST_MAIN(TestGallery)
#include "test_gallery.moc"
