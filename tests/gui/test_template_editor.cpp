// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/HelpService.h"
#include "framework/ScriptedUiServices.h"
#include "gallery/PlanGallery.h"
#include "plan/TemplateEditorDialog.h"
#include "plan/TemplateFile.h"
#include "scripture/Bible.h"
#include "shell/TemplateEditorLauncher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <unistd.h>

namespace {

QImage ImageOf(const QIcon& icon, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(16, 16, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Where the screenshots go: SCRIVANE_SCREENSHOTS, if set.
void Shoot(QWidget& w, const QString& name) {
    QString dir = qEnvironmentVariable("SCRIVANE_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    QVERIFY(w.grab().save(dir + "/" + name + ".png"));
}

} // namespace

class TestTemplateEditor : public QObject {
    Q_OBJECT

    CScriptedUiServices ui;
    std::unique_ptr<CTemplateEditorDialog> dlg;

    template <class T> T* Control(const char* name) {
        T* w = dlg->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QTreeWidgetItem* FolderItem(const QString& label, int nth = 0) {
        for (QTreeWidgetItem* item :
             dlg->CategoryTree()->findItems(label, Qt::MatchExactly | Qt::MatchRecursive))
            if (item->childCount() > 0 && nth-- == 0) return item;
        return nullptr;
    }
    QTreeWidgetItem* BookItem(const char* name) {
        return dlg->ItemOfNode(dlg->Model().BookNode(TheBible().FindBook(name)));
    }
    void ShowItem(QTreeWidgetItem* item) {
        for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
            p->setExpanded(true);
        dlg->CategoryTree()->scrollToItem(item);
    }
    void ClickItem(QTreeWidgetItem* item, Qt::MouseButton button) {
        ShowItem(item);
        QRect r = dlg->CategoryTree()->visualItemRect(item);
        QVERIFY(r.isValid());
        QTest::mouseClick(dlg->CategoryTree()->viewport(), button, {}, r.center());
    }
    void SelectSection(int s) {
        QTreeWidget* sections = dlg->SectionTree();
        QTreeWidgetItem* item = sections->topLevelItem(s - 1);
        QTest::mouseClick(sections->viewport(), Qt::LeftButton, {}, sections->visualItemRect(item).center());
        QCOMPARE(dlg->Model().SelectedSection(), s);
    }
    void CheckItemShows(QTreeWidgetItem* item, int image) {
        QCOMPARE(ImageOf(item->icon(0)), ImageOf(dlg->Image(image)));
    }
    // On the box itself: a click beside a wide check box's label misses it.
    static void ClickBox(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    QStringList SectionLabels() {
        QStringList labels;
        for (int i = 0; i < dlg->SectionTree()->topLevelItemCount(); ++i)
            labels << dlg->SectionTree()->topLevelItem(i)->text(0);
        return labels;
    }

private slots:
    void init() {
        ui = CScriptedUiServices();
        dlg = std::make_unique<CTemplateEditorDialog>(ui, 0);
        dlg->resize(900, 620);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void cleanup() { dlg.reset(); }

    void opensWithEveryBookInSectionOne() {
        QCOMPARE(dlg->windowTitle(), QString("Scrivane - Bible Reading Plan Template Editor"));
        QCOMPARE(SectionLabels(), QStringList{"Section 1"});
        QVERIFY(dlg->SectionTree()->currentItem() == dlg->SectionTree()->topLevelItem(0));
        QCOMPARE(dlg->CategoryTree()->topLevelItemCount(), 2);
        for (int b = 1; b <= 66; ++b) {
            QTreeWidgetItem* item = dlg->ItemOfNode(dlg->Model().BookNode(b));
            QCOMPARE(item->text(0), QString::fromStdString(TheBible().GetBookName(b)));
            CheckItemShows(item, kBookImage + 1);
            QCOMPARE(ImageOf(item->icon(0), QIcon::Selected), ImageOf(dlg->Image(kSelectedBookImage + 1)));
        }
        for (int f = 0; f < kCategoryCount; ++f)
            CheckItemShows(dlg->ItemOfNode(dlg->Model().FolderNode(f)), kClosedFolderImage + 1);
        QStringList letters;
        QTreeWidgetItem* letterFolder = FolderItem("Letters");
        for (int i = 0; i < letterFolder->childCount(); ++i)
            letters << letterFolder->child(i)->text(0);
        QCOMPARE(letters, (QStringList{"Paul", "Hebrews", "James", "Peter", "John", "Jude"}));
        for (int d = 0; d < 7; ++d)
            QVERIFY(dlg->findChildren<QCheckBox*>()[0]);
        QCOMPARE(Control<QComboBox>("yearsList")->currentText(), QString("1"));
        QCOMPARE(Control<QComboBox>("monthsList")->currentText(), QString("0"));
        QCOMPARE(Control<QLineEdit>("daysEdit")->text(), QString("0"));
        QCOMPARE(Control<QComboBox>("divideByList")->currentText(), QString("Chapters"));
        QVERIFY(Control<QCheckBox>("Sunday")->isChecked() && Control<QCheckBox>("Saturday")->isChecked());
        QVERIFY(!Control<QCheckBox>("repeatBooksBox")->isChecked());
        QVERIFY(!Control<QCheckBox>("includeApocryphaBox")->isVisible());
        // The first thing to set has the focus, not a box that only shows a file name.
        QCOMPARE(dlg->focusWidget(), Control<QComboBox>("yearsList"));
        Shoot(*dlg, "editor-opening");
    }

    void rightClicksFollowThePentateuchAndMalachiExample() {
        QTreeWidgetItem* pentateuch = FolderItem("Pentateuch");
        ClickItem(pentateuch, Qt::RightButton);
        for (int b = 1; b <= 5; ++b)
            CheckItemShows(dlg->ItemOfNode(dlg->Model().BookNode(b)), kBookImage);
        CheckItemShows(pentateuch, kOpenFolderImage * 0 + kClosedFolderImage);
        CheckItemShows(FolderItem("Old Testament"), kOpenFolderImage + 1); // expanded to show Pentateuch
        QVERIFY(dlg->Model().templateModified);
        // The right click does not move the selection.
        QVERIFY(dlg->CategoryTree()->currentItem() != pentateuch);

        QTreeWidgetItem* malachi = BookItem("Malachi");
        ClickItem(malachi, Qt::RightButton);
        CheckItemShows(malachi, kBookImage);
        CheckItemShows(FolderItem("Minor Prophets"), kOpenFolderImage + kMixedSections);
        CheckItemShows(FolderItem("Major Prophets"), kClosedFolderImage + 1);
        Shoot(*dlg, "editor-pentateuch-malachi-out");

        // Collapsing and expanding switches between the closed and the open picture.
        QTreeWidgetItem* minor = FolderItem("Minor Prophets");
        minor->setExpanded(false);
        CheckItemShows(minor, kClosedFolderImage + kMixedSections);
        minor->setExpanded(true);
        CheckItemShows(minor, kOpenFolderImage + kMixedSections);

        // A left click selects the book under the pointer and shows its selected picture.
        ClickItem(malachi, Qt::LeftButton);
        QCOMPARE(dlg->CategoryTree()->currentItem(), malachi);
        QCOMPARE(dlg->Model().BookValue(39), 0);
    }

    void theMenuKeyAssignsTheCurrentItem() {
        QTreeWidgetItem* gospels = FolderItem("Gospels");
        ShowItem(gospels);
        dlg->CategoryTree()->setCurrentItem(gospels);
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
        QApplication::sendEvent(dlg->CategoryTree(), &key);
        for (int b = 40; b <= 43; ++b)
            QCOMPARE(dlg->Model().BookValue(b), 0);
        QCOMPARE(dlg->Model().BookValue(44), 1);
    }

    void sectionsAreAddedAndRemovedByTheRules() {
        auto* add = Control<QPushButton>("addSectionButton");
        auto* remove = Control<QPushButton>("removeSectionButton");
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(SectionLabels(), (QStringList{"Section 1", "Section 2"}));
        // The new section is selected, so that the books right-clicked next go there.
        QCOMPARE(dlg->Model().SelectedSection(), 2);
        QCOMPARE(dlg->SectionTree()->currentItem(), dlg->SectionTree()->topLevelItem(1));
        QVERIFY(!dlg->Model().templateModified);
        QTest::mouseClick(add, Qt::LeftButton); // Section 2 is empty
        QCOMPARE(SectionLabels().size(), 2);
        CheckItemShows(dlg->SectionTree()->topLevelItem(1), kBookImage + 2);

        SelectSection(2);
        ClickItem(FolderItem("Gospels"), Qt::RightButton);
        for (const char* name : {"Matthew", "Mark", "Luke", "John"})
            CheckItemShows(BookItem(name), kBookImage + 2);
        CheckItemShows(FolderItem("New Testament"), kOpenFolderImage + kMixedSections);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(SectionLabels().size(), 3);
        SelectSection(3);
        ClickItem(BookItem("Acts"), Qt::RightButton);
        ClickItem(FolderItem("Wisdom"), Qt::RightButton);
        Shoot(*dlg, "editor-three-sections");

        for (int s = 4; s <= 6; ++s) {
            QTest::mouseClick(add, Qt::LeftButton);
            SelectSection(s);
            ClickItem(FolderItem(s == 4 ? "Paul" : s == 5 ? "Peter" : "Pentateuch"), Qt::RightButton);
        }
        ClickItem(BookItem("Revelation"), Qt::RightButton);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(SectionLabels().size(), 6);
        ShowItem(BookItem("Revelation"));
        ShowItem(BookItem("2Peter"));
        Shoot(*dlg, "editor-six-sections");

        // Removing Section 1: its books leave the plan and the others move down one.
        SelectSection(1);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(SectionLabels().size(), 5);
        QCOMPARE(dlg->SectionTree()->currentItem(), dlg->SectionTree()->topLevelItem(0));
        CheckItemShows(BookItem("Joshua"), kBookImage);
        CheckItemShows(BookItem("Matthew"), kBookImage + 1);
        CheckItemShows(BookItem("Acts"), kBookImage + 2);
        CheckItemShows(BookItem("Romans"), kBookImage + 3);
        CheckItemShows(BookItem("1Peter"), kBookImage + 4);
        CheckItemShows(BookItem("Genesis"), kBookImage + 5);
        CheckItemShows(dlg->SectionTree()->topLevelItem(4), kBookImage + 5);
        QVERIFY(dlg->Model().templateModified);
    }

    void theLastBookCannotBeTakenOut() {
        ClickItem(FolderItem("Old Testament"), Qt::RightButton);
        ClickItem(FolderItem("New Testament"), Qt::RightButton);
        QTreeWidgetItem* revelation = BookItem("Revelation");
        CheckItemShows(revelation, kBookImage + 1);
        ClickItem(revelation, Qt::RightButton);
        CheckItemShows(revelation, kBookImage + 1);
        QCOMPARE(dlg->Model().BooksInSection(1), 1);
        Shoot(*dlg, "editor-only-revelation");
        // A right click beside every item does nothing.
        QTest::mouseClick(dlg->CategoryTree()->viewport(), Qt::RightButton, {},
                          QPoint(5, dlg->CategoryTree()->viewport()->height() - 2));
        QCOMPARE(dlg->Model().BooksInSection(1), 1);
    }

    void controlsMarkTheTemplateModified() {
        QVERIFY(!dlg->Model().templateModified);
        ClickBox(Control<QCheckBox>("Tuesday"));
        QCOMPARE(dlg->Model().tmpl.readOnWeekday[2], 0);
        QVERIFY(dlg->Model().templateModified);
        QTest::mouseClick(Control<QPushButton>("resetButton"), Qt::LeftButton);
        QVERIFY(!dlg->Model().templateModified);
        QVERIFY(Control<QCheckBox>("Tuesday")->isChecked());
        QTest::keyClicks(Control<QLineEdit>("daysEdit"), "5");
        QVERIFY(dlg->Model().templateModified);
    }

    void invalidDaysStopTheSave() {
        auto* days = Control<QLineEdit>("daysEdit");
        days->setText("2001");
        QTest::mouseClick(Control<QPushButton>("saveButton"), Qt::LeftButton);
        QCOMPARE(ui.messageBoxes.size(), size_t(1));
        QCOMPARE(QString::fromStdString(ui.messageBoxes[0].text),
                 QString("Please enter an integer between 0 and 2000."));
        QVERIFY(ui.fileRequests.empty());
        days->setText("x");
        QTest::mouseClick(Control<QPushButton>("saveAndExitButton"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(ui.messageBoxes.back().text), QString("Please enter an integer."));
        QVERIFY(dlg->isVisible());
        QVERIFY(ui.fileRequests.empty());
        // Cancelling the file dialog of Save And Exit goes back to the template.
        days->setText("5");
        ui.fileAnswers.push_back(std::nullopt);
        QTest::mouseClick(Control<QPushButton>("saveAndExitButton"), Qt::LeftButton);
        QCOMPARE(ui.fileRequests.size(), size_t(1));
        QVERIFY(dlg->isVisible());
    }

    void helpGoesByContextNumber() {
        struct Case {
            const char* control;
            int context;
        };
        const Case cases[] = {
            {"categoryTree", 0x50000 + 1000},    {"Sunday", 0x50000 + 1009},
            {"Saturday", 0x50000 + 1015},        {"monthsList", 0x50000 + 1018},
            {"daysEdit", 0x50000 + 1019},        {"directoryEdit", 0x50000 + 1023},
            {"fileNameEdit", 0x50000 + 1025},    {"yearsList", 0x50000 + 1027},
            {"readOnlyBox", 0x50000 + 1033},     {"saveAndExitButton", 0x50000 + 1},
            {"abortAndExitButton", 0x50000 + 2},
        };
        std::vector<int> asked;
        dlg->showHelp = [&](int context) { asked.push_back(context); };
        for (const Case& c : cases) {
            QWidget* w = dlg->findChild<QWidget*>(c.control);
            QVERIFY2(w, c.control);
            QVERIFY2(!w->whatsThis().isEmpty(), c.control);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_F1);
            QVERIFY2(!asked.empty() && asked.back() == c.context, c.control);
        }
        // Anywhere else the help service opens the editor's page.
        dlg->showHelp = nullptr;
        if (QWidget* f = dlg->focusWidget()) f->clearFocus();
        QTest::keyClick(dlg.get(), Qt::Key_F1);
        QTextBrowser* browser = CHelpService::Instance().Browser();
        QVERIFY(browser);
        QCOMPARE(browser->source().toString(), QString("qrc:/help/200b3.html"));
        QVERIFY(browser->toPlainText().contains("Add Section"));
        Shoot(*browser, "editor-help");
        browser->close();
        QCOMPARE(CTemplateEditorDialog::HelpContextFor(1016), 0x200B3);
        QCOMPARE(CTemplateEditorDialog::HelpContextFor(1024), 0x200B3);
    }

    void savedTemplateHoldsTheDialogsFields() {
        QTemporaryDir dir;
        std::string base = dir.path().toStdString() + "/";
        // Set up through the controls as a user would.
        ClickBox(Control<QCheckBox>("Sunday"));
        ClickBox(Control<QCheckBox>("repeatBooksBox"));
        Control<QComboBox>("yearsList")->setCurrentIndex(2);
        emit Control<QComboBox>("yearsList")->activated(2);
        Control<QComboBox>("monthsList")->setCurrentIndex(3);
        emit Control<QComboBox>("monthsList")->activated(3);
        Control<QComboBox>("divideByList")->setCurrentIndex(1);
        emit Control<QComboBox>("divideByList")->activated(1);
        Control<QLineEdit>("daysEdit")->selectAll();
        QTest::keyClicks(Control<QLineEdit>("daysEdit"), "77");
        QTest::mouseClick(Control<QPushButton>("addSectionButton"), Qt::LeftButton);
        SelectSection(2);
        ClickItem(FolderItem("Letters"), Qt::RightButton);
        SelectSection(1);
        ClickItem(FolderItem("Prophecy"), Qt::RightButton);

        // A name without extension becomes a plan template in the archive form.
        ui.fileAnswers.push_back(base + "Mine");
        QTest::mouseClick(Control<QPushButton>("saveButton"), Qt::LeftButton);
        QVERIFY(ui.messageBoxes.empty());
        QString path = dir.path() + "/Mine.vntpl";
        QVERIFY(QFile::exists(path));
        QCOMPARE(Control<QLineEdit>("fileNameEdit")->text(), QString("Mine.vntpl"));
        QCOMPARE(Control<QLineEdit>("directoryEdit")->text(), dir.path() + "/");
        LoadedTemplate back = LoadTemplateFile(path.toStdString());
        QVERIFY(back.form == TemplateForm::archive);
        const CPlanTemplate& t = back.fields;
        QCOMPARE(t.templateTitle, std::string("Mine"));
        QCOMPARE(t.readOnWeekday, (std::array<int32_t, 7>{0, 1, 1, 1, 1, 1, 1}));
        QCOMPARE(t.repeatBooks, 1);
        QCOMPARE(t.planYears, 2);
        QCOMPARE(t.planMonths, 3);
        QCOMPARE(t.planDays, 77);
        QCOMPARE(t.divideBy, 1);
        QCOMPARE(t.sectionCount, 2);
        for (int b = 1; b <= 66; ++b) {
            int expected = b >= 23 && b <= 39 ? 0 : b >= 45 && b <= 65 ? 2 : 1;
            QCOMPARE(t.bookSection[b - 1], expected);
        }
        QCOMPARE(t, dlg->Model().tmpl);

        // Loading it into a fresh editor shows the same fields.
        ui = CScriptedUiServices();
        CTemplateEditorDialog other(ui, 0);
        other.resize(900, 620);
        other.show();
        ui.fileAnswers.push_back(path.toStdString());
        QTest::mouseClick(other.findChild<QPushButton*>("loadButton"), Qt::LeftButton);
        QVERIFY(ui.messageBoxes.empty());
        QCOMPARE(other.Model().tmpl, t);
        QCOMPARE(other.findChild<QComboBox*>("yearsList")->currentText(), QString("2"));
        QCOMPARE(other.findChild<QComboBox*>("monthsList")->currentText(), QString("3"));
        QCOMPARE(other.findChild<QLineEdit*>("daysEdit")->text(), QString("77"));
        QCOMPARE(other.findChild<QComboBox*>("divideByList")->currentText(), QString("Verses"));
        QVERIFY(!other.findChild<QCheckBox*>("Sunday")->isChecked());
        QVERIFY(other.findChild<QCheckBox*>("repeatBooksBox")->isChecked());
        QCOMPARE(other.SectionTree()->topLevelItemCount(), 2);
        QVERIFY(other.SectionTree()->selectedItems().isEmpty());
        QCOMPARE(other.Model().SelectedSection(), 0);
        other.CategoryTree()->expandAll();
        Shoot(other, "editor-loaded-no-section-selected");
        // No section chosen yet: a right click changes nothing.
        QTreeWidgetItem* genesis = other.ItemOfNode(other.Model().BookNode(1));
        QTest::mouseClick(other.CategoryTree()->viewport(), Qt::RightButton, {},
                          other.CategoryTree()->visualItemRect(genesis).center());
        QCOMPARE(other.Model().tmpl, t);
        QVERIFY(!other.Model().templateModified);
    }

    void textFormsBringAWarningAndReadOnlyFilesARefusal() {
        QTemporaryDir dir;
        std::string txt = dir.path().toStdString() + "/Custom.txt";
        SaveFileAtomic(txt, "<ALLDA = 1>\r\n<SECTI = 2>\r\n<BOOKS = 1,2,1>\r\n/ [Genesis 1]");
        ui.fileAnswers.push_back(txt);
        QTest::mouseClick(Control<QPushButton>("loadButton"), Qt::LeftButton);
        QCOMPARE(ui.messageBoxes.size(), size_t(1));
        QCOMPARE(QString::fromStdString(ui.messageBoxes[0].text),
                 QString("When modifying a custom template, you may lose some functionality not supported by "
                         "this template editor."));
        QCOMPARE(SectionLabels(), (QStringList{"Section 1", "Section 2"}));
        CheckItemShows(BookItem("Exodus"), kBookImage + 2);
        CheckItemShows(BookItem("Numbers"), kBookImage);
        QCOMPARE(Control<QComboBox>("divideByList")->currentText(), QString("Verses"));
        QCOMPARE(Control<QLineEdit>("daysEdit")->text(), QString("999"));

        // Saved with Read Only: the file is read-only and the box locked; saving there again is refused.
        ui = CScriptedUiServices();
        ClickBox(Control<QCheckBox>("readOnlyBox"));
        std::string locked = dir.path().toStdString() + "/Locked.vntpl";
        ui.fileAnswers.push_back(locked);
        QTest::mouseClick(Control<QPushButton>("saveButton"), Qt::LeftButton);
        QVERIFY(ui.messageBoxes.empty());
        QVERIFY(IsReadOnly(locked));
        QVERIFY(!QFileInfo(QString::fromStdString(locked)).isWritable() || ::geteuid() == 0);
        QVERIFY(Control<QCheckBox>("readOnlyBox")->isChecked());
        QVERIFY(!Control<QCheckBox>("readOnlyBox")->isEnabled());
        std::string before = ReadWholeFile(locked);
        ui.fileAnswers.push_back(locked);
        ui.messageBoxAnswers.push_back(IDCANCEL);
        QTest::mouseClick(Control<QPushButton>("saveButton"), Qt::LeftButton);
        QCOMPARE(ui.messageBoxes.size(), size_t(1));
        QCOMPARE(
            QString::fromStdString(ui.messageBoxes[0].text),
            QString::fromStdString(locked) +
                "\n\nThe selected file may not be modified.\nSelect \"Ok\" to select another file name.");
        QCOMPARE(ReadWholeFile(locked), before);
        Shoot(*dlg, "editor-read-only-saved");

        // Loading the read-only file keeps the box checked and locked; Reset frees it.
        ui = CScriptedUiServices();
        ui.fileAnswers.push_back(locked);
        QTest::mouseClick(Control<QPushButton>("loadButton"), Qt::LeftButton);
        QVERIFY(ui.messageBoxes.empty());
        QVERIFY(!Control<QCheckBox>("readOnlyBox")->isEnabled());
        QTest::mouseClick(Control<QPushButton>("resetButton"), Qt::LeftButton);
        QVERIFY(Control<QCheckBox>("readOnlyBox")->isEnabled());
        QVERIFY(!Control<QCheckBox>("readOnlyBox")->isChecked());
        QCOMPARE(Control<QLineEdit>("fileNameEdit")->text(), QString());
        SetReadOnly(locked, false);
    }

    // Abort And Exit, Escape and the close box ask about a changed template, and only then.
    void closingAsksOnlyAboutChanges() {
        QTest::keyClick(dlg.get(), Qt::Key_Escape);
        QVERIFY(!dlg->isVisible());
        QVERIFY(ui.messageBoxes.empty());

        QTemporaryDir dir;
        const std::string saved = dir.path().toStdString() + "/Kept.vntpl";
        struct Case {
            std::function<void(CTemplateEditorDialog&)> close;
            int answer;
            bool closed;
        } cases[] = {
            {[](CTemplateEditorDialog& d) {
                 QTest::mouseClick(d.findChild<QPushButton*>("abortAndExitButton"), Qt::LeftButton);
             },
             IDCANCEL, false},
            {[](CTemplateEditorDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, IDNO, true},
            {[](CTemplateEditorDialog& d) { d.close(); }, IDYES, true},
        };
        for (const Case& c : cases) {
            ui = CScriptedUiServices();
            dlg = std::make_unique<CTemplateEditorDialog>(ui, 0);
            dlg->show();
            ClickItem(FolderItem("Gospels"), Qt::RightButton);
            ui.messageBoxAnswers.push_back(c.answer);
            ui.fileAnswers.push_back(saved);
            c.close(*dlg);
            QCOMPARE(dlg->isVisible(), !c.closed);
            QCOMPARE(ui.messageBoxes.size(), size_t(1));
            QCOMPARE(
                QString::fromStdString(ui.messageBoxes[0].text),
                QString("The template has changes that are not saved.\nDo you want to save them before the "
                        "editor closes?"));
            QVERIFY(ui.messageBoxes[0].buttons == MbButtons::yesNoCancel);
            // Yes saves, and only Yes.
            QCOMPARE(QFile::exists(QString::fromStdString(saved)), c.answer == IDYES);
        }
        QCOMPARE(LoadTemplateFile(saved).fields.bookSection[39], 0);
    }

    // The plan's title and description are typed in the editor and reach the gallery; the hint
    // says how books go into sections.
    void thePlansTitleAndDescriptionAreSaved() {
        dlg.reset();
        CTemplateEditorDialog d(ui, 0);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.findChild<QLabel*>("assignHint")->text().contains("right-click"));
        Shoot(d, "editor-default-size");
        QTest::keyClicks(d.findChild<QLineEdit*>("titleEdit"), "Psalms <for> Lent");
        QTest::keyClicks(d.findChild<QLineEdit*>("descriptionEdit"), "One psalm a day");
        QCOMPARE(d.findChild<QLineEdit*>("titleEdit")->text(), QString("Psalms  for  Lent"));
        QVERIFY(d.Model().templateModified);
        QTemporaryDir dir;
        ui.fileAnswers.push_back(dir.path().toStdString() + "/Lent.vntpl");
        QTest::mouseClick(d.findChild<QPushButton*>("saveButton"), Qt::LeftButton);
        const GalleryEntry e =
            DescribeTemplateFile(dir.path().toStdString() + "/Lent.vntpl", GalleryOrigin::reader, Today());
        QCOMPARE(e.title, std::string("Psalms  for  Lent"));
        QCOMPARE(e.description, std::string("One psalm a day"));
        QCOMPARE(d.findChild<QLineEdit*>("titleEdit")->text(), QString("Psalms  for  Lent"));
        Shoot(d, "editor-titled");
    }

    void theCommandOpensTheEditorModally() {
        dlg.reset();
        QString seen;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            seen = w->windowTitle();
            modal = w->isModal();
            // F1 outside the listed controls opens the dialog's own topic.
            auto* editor = qobject_cast<CTemplateEditorDialog*>(w);
            if (editor) {
                std::vector<int> asked;
                editor->showHelp = [&](int context) { asked.push_back(context); };
                if (QWidget* f = editor->focusWidget()) f->clearFocus();
                QTest::keyClick(editor, Qt::Key_F1);
                if (asked != std::vector<int>{0x200B3}) seen += " (wrong help)";
            }
            w->close();
        });
        RunTemplateEditor(nullptr, 0);
        QCOMPARE(seen, QString("Scrivane - Bible Reading Plan Template Editor"));
        QVERIFY(modal);
    }

    void imagesAreDistinct() {
        // Every picture differs from every other, so that no two section values look alike.
        for (int i = 0; i < kImageCount; ++i)
            for (int j = i + 1; j < kImageCount; ++j)
                QVERIFY2(CTemplateEditorDialog::DrawImage(i).toImage() !=
                             CTemplateEditorDialog::DrawImage(j).toImage(),
                         qPrintable(QString("%1 %2").arg(i).arg(j)));
        if (!qEnvironmentVariable("SCRIVANE_SCREENSHOTS").isEmpty()) {
            QPixmap sheet(8 * 40, 4 * 40);
            sheet.fill(Qt::white);
            QPainter p(&sheet);
            for (int i = 0; i < kImageCount; ++i)
                p.drawPixmap(QRect((i % 8) * 40 + 4, (i / 8) * 40 + 4, 32, 32),
                             CTemplateEditorDialog::DrawImage(i));
            p.end();
            sheet.save(qEnvironmentVariable("SCRIVANE_SCREENSHOTS") + "/editor-images.png");
        }
    }
};

QTEST_MAIN(TestTemplateEditor)
#include "test_template_editor.moc"
