// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"

#include <QPointer>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

class CBibleTextSource;
class CPlanNavigator;
class CReadingPlanDoc;
class CTextReading;
struct CTextAnswer;
struct CTextModuleInfo;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSettings;
class QTextBrowser;

// The text of the plan window's current assignment, read from an installed
// Bible module: a heading per reading, chapter headings, verse numbers and
// psalm titles. It is a view of the plan document without being one of its
// windows: it follows the plan window to whichever assignment that shows, and
// runs the plan window's commands (Finished Reading, Next, …) through it.
// The text is read off the window's thread: the window never waits on a
// module longer than the text source's time limit, and then says so.
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

private:
    // A reading of the assignment: its heading and its verses.
    struct Part {
        std::string heading;
        uint16_t first, last;
    };
    // Draws what the last Refresh asked for, with the text source's answer.
    void Show(const CTextAnswer& answer, const std::vector<Part>& parts, const QString& status, int index,
              std::optional<std::pair<uint16_t, uint16_t>> range);
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
    QTextBrowser* browser_ = nullptr;
    QComboBox* translations_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* problem_ = nullptr;
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
