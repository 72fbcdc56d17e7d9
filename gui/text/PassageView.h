// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"
#include "journal/ReadingHistory.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CBibleTextSource;
class CPlanNavigator;
class CReadingPlanDoc;
class CTextReading;
struct CTextAnswer;
struct CTextRequest;
struct CTextModuleInfo;
class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSettings;
class QTextBrowser;
class QTextDocument;
class QTimer;

// The text of the plan window's current assignment, read from an installed
// Bible module: a heading per reading, chapter headings, verse numbers and
// psalm titles. It is a view of the plan document without being one of its
// windows: it follows the plan window to whichever assignment that shows, and
// runs the plan window's commands (Finished Reading, Next, …) through it.
// The text is read off the window's thread: the window never waits on a
// module longer than the text source's time limit, and then says so. The pages
// of the last few assignments are kept, laid out, and the ones before and after
// the shown one are read ahead while the reader reads: paging through the plan
// shows a kept page at once.
class CPassageView : public QWidget, public CView {
    Q_OBJECT
public:
    // What the passage follows: the plan window's document, its current
    // assignment and its commands, and the window itself, whose life bounds
    // the passage's. The passage knows nothing else of the plan window.
    struct Followed {
        CReadingPlanDoc& document;
        CPlanNavigator& navigator;
        CCmdTarget& commands;
        QWidget& window;
    };

    // text: where the verses come from; the program's own source when null.
    explicit CPassageView(const Followed& plan, QWidget* parent = nullptr, CBibleTextSource* text = nullptr);
    ~CPassageView() override;

    // The plan window followed; null once it is gone.
    QWidget* PlanWindow() const { return window_; }
    void OnUpdate(CView* sender, long hint) override;
    // Its own commands first, then the plan window's and its document's.
    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, CCmdUI& ui) const override;

    // The assignment shown (the plan window's index when it was drawn).
    int ShownAssignment() const { return shownIndex_; }
    QString Module() const { return module_; }
    void ChooseModule(const QString& name);
    int Zoom() const { return zoom_; }
    void ZoomIn();
    void ZoomOut();
    void SetZoom(int steps);

    void OnFinishedReading();
    void OnCopy();
    // The text Copy puts on the clipboard: the selection and the reference of
    // the verses it covers, or the whole passage with its reading headings.
    QString CopyText() const;
    void OnPrint();
    void OnPrintPreview();
    void PrintTo(QPrinter& printer);
    // Finds text after the cursor, starting over at the top; false when it is nowhere.
    bool FindNext(const QString& text);

    QTextBrowser* Browser() const { return browser_; }
    QComboBox* Translations() const { return translations_; }
    QPushButton* FinishedButton() const { return finished_; }
    QLineEdit* FindField() const { return find_; }
    QLabel* Problem() const { return problem_; }
    // "Last read …" of the verses shown; hidden when the journal knows of no reading of them.
    QLabel* LastRead() const { return lastRead_; }

    // Shows the verses first to last (a chapter picked elsewhere) instead of
    // the assignment, until the plan window moves to another assignment or
    // Read Assignment is asked for.
    void ShowRange(uint16_t first, uint16_t last);
    void ShowAssignment();
    std::optional<std::pair<uint16_t, uint16_t>> ShownRange() const { return range_; }
    QPushButton* EnterReadingButton() const { return enterReading_; }
    QPushButton* BackButton() const { return back_; }

    // Rebuilds the text for the plan window's current assignment, or the range shown.
    void Refresh();
    // The text asked for by the last Refresh is still to come.
    bool IsReading() const;
    // The pages before and after the shown one are being read ahead.
    bool IsReadingAhead() const;
    // Pages kept, the shown one among them.
    int KeptPages() const;

protected:
    void changeEvent(QEvent* e) override;

private:
    // A reading of the assignment: its heading and its verses.
    struct Part {
        std::string heading;
        uint16_t first, last;
    };
    // What a page shows: its readings, or without readings the plan's status.
    struct PageRequest {
        std::vector<Part> parts;
        QString status;
        QString key; // the same for the same page, whatever the day it is asked on
    };
    // A page drawn, kept to be shown again.
    struct Page {
        QString key;
        QTextDocument* document = nullptr; // owned by the view
        std::vector<std::pair<int, uint16_t>> verseStarts;
        QString module;
        QString problem;
        bool keep = false; // a page drawn without all its text is read again next time
        quint64 used = 0;
    };
    PageRequest RequestFor(const CPlanNavigator& navigator,
                           std::optional<std::pair<uint16_t, uint16_t>> range) const;
    CTextRequest TextRequestFor(const PageRequest& page) const;
    Page* FindPage(const QString& key);
    // Lays out the answer as a page and keeps it.
    Page& MakePage(const CTextAnswer& answer, const PageRequest& request);
    // Shows a page for the plan window's assignment index (or the range).
    void Display(Page& page, int index, std::optional<std::pair<uint16_t, uint16_t>> range);
    // Reads the page after the shown assignment, then the one before, unless kept already.
    void ReadAhead();
    // Forgets every page but the one shown: their font or module is no longer the window's.
    void ForgetPages();
    QFont PageFont() const;
    void FillTranslations(const std::vector<CTextModuleInfo>& modules);
    void ApplyZoom();
    void UpdateButton();
    // The reader's own settings group; empty when no reader is known.
    QString SettingsGroup() const;
    void Remember(const QString& key, const QVariant& value) const;

    // Valid while window_ is: the plan window owns them all.
    QPointer<QWidget> window_;
    CReadingPlanDoc* doc_ = nullptr;
    CPlanNavigator* navigator_ = nullptr;
    CCmdTarget* commands_ = nullptr;
    CTextReading* reading_ = nullptr;
    CTextReading* readingAhead_ = nullptr;
    QTimer* readAheadTimer_ = nullptr;
    std::vector<Page> pages_;
    quint64 pageUse_ = 0;
    QTextBrowser* browser_ = nullptr;
    QComboBox* translations_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* lastRead_ = nullptr;
    // The journal as read at the document's last change; read again at its next.
    std::unique_ptr<CReadingHistory> history_;
    QPushButton* finished_ = nullptr;
    QPushButton* enterReading_ = nullptr;
    QPushButton* back_ = nullptr;
    // With no plan yet: opens the gallery.
    QPushButton* choosePlan_ = nullptr;
    std::optional<std::pair<uint16_t, uint16_t>> range_;
    // The plan window's assignment when the range was asked for.
    int rangeIndex_ = -1;
    QString module_;
    int zoom_ = 0;
    int shownIndex_ = -2;
    std::optional<std::pair<uint16_t, uint16_t>> shownRange_;
    QString shownModule_;
    // Where each verse starts in the shown document, for Copy's reference.
    std::vector<std::pair<int, uint16_t>> verseStarts_;
};
