// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PlanElement.h"
#include "PlanGenerator.h"
#include "foundation/JJulian.h"
#include "foundation/Translatable.h"
#include "framework/Document.h"
#include "framework/ReaderContext.h"
#include "journal/Journal.h"
#include "scripture/ShownForms.h"

#include <array>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TextImport;

class CArchive;
struct ExtraReading;
struct CPlanTemplate;

inline constexpr const char* kResetPlanQuestion = TR_NOOP(
    "Core",
    "Resetting reading plan.\n\nPress OK to delete all reading history for the current reading plan.\n(To "
    "delete lifetime reading history, use READING PLAN - RESET LIFETIME READINGS)\n\nPress CANCEL to retain "
    "reading history.");
inline constexpr const char* kResetLifetimeQuestion = TR_NOOP(
    "Core",
    "Resetting lifetime reading history.\n\nPress OK to delete all reading history except the current "
    "reading plan.\n(To delete current reading plan reading history, use READING PLAN - RESET PLAN)\n\nPress "
    "CANCEL to retain reading history.");
inline constexpr const char* kNewPlanQuestion =
    TR_NOOP("Core", "Loading a new plan.\n\nAre you sure you want to close this plan and open a new one?");
// Told, after the file's name, when a file would make a plan without readings.
inline constexpr const char* kNoReadingDayMessage = TR_NOOP(
    "Core", "\nThis plan has no reading day: no day of the week is chosen, so it gives no readings.\nThe "
            "current reading plan has not been changed.");
inline constexpr const char* kNoBooksMessage = TR_NOOP(
    "Core",
    "\nThis plan puts no book into any of its sections, so it gives no readings.\nThe current reading "
    "plan has not been changed.");
inline constexpr const char* kNoReadingsMessage =
    TR_NOOP("Core", "\nNo readings could be made from this file, so the new reading plan is empty.");
// Offered beside Reset Plan's question: the plan's dates move so that it starts again today.
inline constexpr const char* kResetFromTodayChoice =
    TR_NOOP("Core", "Start the plan again from &today (move its readings onto new dates)");
inline constexpr const char* kNoReadingPlanSelected = TR_NOOP("Core", "No Reading Plan Selected");
inline constexpr const char* kReadingPlanCompleted = TR_NOOP("Core", "Reading Plan Completed");

// The text of one reading as the plan window shows it: "Genesis 1:1 through
// Genesis 3:24", or one verse alone; in the windows with the reader's forms.
std::string RangeText(uint16_t start, uint16_t end, const CShownForms& forms = EnglishForms());
void AppendRangeText(std::string& out, uint16_t start, uint16_t end,
                     const CShownForms& forms = EnglishForms());
// The canon's own text written at p, which has room for 9 + 2 * TheBible().ReferenceTextRoom()
// bytes; the end is returned.
char* WriteRangeText(char* p, uint16_t start, uint16_t end);

// The reading as the status bar names it: "Genesis 7–10", "John 3:16–18", "Jude 5".
std::string CompactRangeText(uint16_t start, uint16_t end, const CShownForms& forms = EnglishForms());

// Hints the plan document gives its views with a change: show the first
// unfinished assignment, or assignment (hint - kHintShowAssignment).
inline constexpr long kHintFirstUnfinished = 0x10000;
inline constexpr long kHintShowAssignment = 0x20000;
// A change is in the journal now.
inline constexpr long kHintJournalCommitted = 0x8000;

// The reader's current plan and lifetime reading history, kept in the plan
// file (stem + ".vnpln") and the history file (stem + ".vnpro"). Both are
// loaded when the document is set up and written when it closes, each only
// when its dirty flag is set; the user is never asked to save.
class CReadingPlanDoc : public CDocument {
public:
    CReadingPlanDoc(IUiServices& ui, const CReaderContext& reader);

    // Loads both files, or starts empty (and dirty) for a missing one. A file
    // that fails to load is reported, moved aside and replaced by the empty
    // state, so the damaged bytes are never overwritten.
    // A file that cannot be read at all is reported and nothing is opened
    // (false); it is neither moved nor written.
    bool OnNewDocument() override;
    // For commands that only look: a damaged file is reported and left where
    // it is, and nothing is ever written.
    void SetLookOnly(bool lookOnly) { lookOnly_ = lookOnly; }
    // Writes whichever file is dirty; it does not empty the document.
    void DeleteContents() override;
    void OnCloseDocument() override;
    // The plan file layout.
    void Serialize(CArchive& ar) override;
    void SerializeHistory(CArchive& ar);
    // Writes the dirty files; false (and the user told) when one could not be
    // written, whose dirty flag then stays set.
    bool SaveDirtyFiles();
    // Told after each write of the plan file, so that what mirrors the plan
    // elsewhere (the calendar export) follows it.
    void SetPlanWrittenObserver(std::function<void(const CReadingPlanDoc&)> observer) {
        planWritten_ = std::move(observer);
    }

    std::string PlanFilePath() const;
    std::string HistoryFilePath() const;
    // Beside the two files while a save of both is under way (FileTransaction.h).
    std::string CommitRecordPath() const;
    // Set up for an environment, the plan holds its plan and history files.
    std::vector<std::string> HeldFiles() const override;
    static std::string TitleFor(const std::string& displayName, const CShownForms& forms = EnglishForms());

    bool GetPlanDirty() const { return planDirty; }
    bool SetPlanDirty(bool v) { return planDirty = v; }
    bool GetHistoryDirty() const { return historyDirty; }
    bool SetHistoryDirty(bool v) { return historyDirty = v; }

    // With commit at once (the window's documents), every change a reader
    // makes (the actions below) is a named step, committed as soon as it is
    // made, so that nothing the window shows as done exists only in memory,
    // and undone and redone back to the moment the document was loaded.
    void SetCommitAtOnce(bool on) { commitAtOnce_ = on; }
    bool CanUndo() const { return undoCount_ > 0; }
    bool CanRedo() const { return undoCount_ < steps_.size(); }
    // The step's name, as the Edit menu shows it after "Undo " or "Redo ".
    std::string UndoName() const { return CanUndo() ? steps_[undoCount_ - 1].name : std::string(); }
    std::string RedoName() const { return CanRedo() ? steps_[undoCount_].name : std::string(); }
    // The files go back to (or forward to) their bytes around the step; the
    // views are told to show the assignment it was made on.
    void Undo();
    void Redo();
    // How far Undo reaches back through the journal after a restart.
    static constexpr size_t kUndoDepth = 100;
    // The journal of this reader on this computer; null when changes are not recorded
    // (no environment, or a document that only looks).
    const CJournal* Journal() const { return journal_.get(); }
    // The local date and time ("YYYY-MM-DDTHH:MM:SS") assignment i was finished at, as the
    // journal recorded it; empty for one finished before the journal began, or unfinished.
    std::string FinishedAt(uint16_t i) const;

    // Reading and progress.
    void MarkVerseRead(uint16_t v);
    void MarkRangeRead(uint16_t a, uint16_t b);
    void MarkVerseInPlan(uint16_t v);
    void MarkRangeInPlan(uint16_t a, uint16_t b);
    bool IsVerseInPlan(uint16_t v) const;
    bool IsRangeRead(uint16_t a, uint16_t b) const;
    bool IsElementFinished(uint16_t i) const;
    bool IsValidElementIndex(uint16_t i) const { return i < elements.size(); }
    CPlanElement GetElement(uint16_t i) const;
    uint16_t GetElementCount() const { return static_cast<uint16_t>(elements.size()); }
    int GetPlanState() const;
    // Kept as the flags change, so that drawing and enabled-state checks cost nothing.
    uint32_t CountPlanVerses() const { return planVerseCount_; }
    uint32_t CountPlanVersesRead() const { return planReadCount_; }
    uint16_t CountLifetimeVersesRead() const { return static_cast<uint16_t>(lifetimeReadCount_); }
    // Assignments whose every range is read: counted again only after the read
    // flags or the assignments changed, not on every redraw.
    uint32_t CountFinishedElements() const;
    uint16_t GetLifetimeVerseTotal() const { return static_cast<uint16_t>(lifetimeCounts.size()); }
    int GetExtraReadingMode() const { return extraReadingMode; }
    void SetExtraReadingMode(int mode);
    uint16_t GetLifetimeCount(uint16_t v) const { return v < lifetimeCounts.size() ? lifetimeCounts[v] : 0; }
    bool IsVerseReadInPlan(uint16_t v) const { return v < readInPlan.size() && readInPlan[v] != 0; }

    // Finished Reading on assignment i: every range read, views redrawn.
    void FinishElement(uint16_t i);
    // One reading of assignment element marked read (a double-click on it).
    void ReadRangeOf(uint16_t element, uint16_t start, uint16_t end);
    void FoldPlanIntoLifetime();
    void SynchronizeDates();
    // Synchronize Dates as the reader's own step, with its undo and message.
    void OnSynchronizeDates();
    // Mode 0 of Enter Reading: every verse from start to end counts once more
    // in the lifetime history, whatever the plan says.
    void AddLifetimeReading(uint16_t start, uint16_t end);

    // Merging with other computers, on a document that stands for no window: its files' bytes in and
    // out, another computer's change made again, and another copy's readings added to these.
    void LoadBytes(const std::string& plan, const std::string& history);
    std::pair<std::string, std::string> StoreBytes();
    // The plans a merge replaced, with the flags each had when it went: a reading made on one of them
    // elsewhere counts in the lifetime history once, as the plan's own readings did.
    using ReplacedPlans = std::map<std::string, std::vector<uint8_t>>;
    void ReplayEntry(const CJournalEntry& entry, ReplacedPlans& replaced);
    void AddReadingsOf(const CReadingPlanDoc& other);
    // Another writer (a merge) added to this reader's journal: the next entry reads its numbers again.
    void JournalWrittenElsewhere() {
        if (journal_) journal_->ForgetNumbers();
    }

    // The commands the document answers itself (the view calls NewPlan).
    void OnEnterReading();
    // Enter Reading with the dialog's verses set to start and end.
    void OnEnterReadingOf(uint16_t start, uint16_t end);
    void OnResetPlan();
    void OnResetLifetimeReadings();
    void OnPlanProperties();
    // True when a new plan was made. fromGallery: the template is chosen in
    // the plan gallery rather than the file dialog (which offers it too).
    bool NewPlan(bool fromGallery = false);
    // New Plan's first question: true when there is no unfinished plan or the user answers Yes.
    bool ConfirmNewPlan();
    // New Plan from a chosen file, without the questions: false when the file
    // could not be read, in which case the current plan is untouched.
    bool NewPlanFromFile(const std::string& path);
    // The next new plan starts on start instead of today, so that a reader can
    // join a dated plan part-way; skipPast leaves out its readings dated
    // before today instead of having them overdue.
    void SetNewPlanStart(std::optional<CJJulian> start, bool skipPast) {
        newPlanStart_ = start;
        newPlanSkipsPast_ = skipPast;
    }
    // The three lines of Plan Properties.
    std::array<std::string, 3> GetPropertiesLines() const;
    std::string GetPropertiesText() const;

    // Generation: the plan becomes the template's or import's, from startDate.
    void GenerateFromTemplate(const CPlanTemplate& t, IProgress* progress);
    void ImportTextPlan(std::string_view bytes, IProgress* progress);
    void ImportParsedPlan(TextImport import, IProgress* progress);
    void BuildPlan(const SectionBooks& sectionBooks, IProgress* progress);

    // Read access for the view, the command line and the checks.
    const CReaderContext& Reader() const { return reader_; }
    const std::vector<CPlanElement>& Elements() const { return elements; }
    const std::vector<uint8_t>& InPlan() const { return inPlan; }
    const std::vector<uint8_t>& ReadInPlan() const { return readInPlan; }
    const std::vector<uint16_t>& LifetimeCounts() const { return lifetimeCounts; }
    const std::list<CLogElement>& ReadingLog() const { return readingLog; }
    CJJulian GetStartDate() const { return startDate; }
    void SetStartDate(const CJJulian& d) { startDate = d; }
    PlanSettings Settings() const;
    // Names the plan as generated: its template, start, verses and assignments, not what was read
    // nor the dates moved since; a reading marked on another computer counts in this plan only
    // when that plan had the same name.
    std::string PlanId() const;
    const std::string& GetTemplateTitle() const { return templateTitle; }
    const std::string& GetTemplateDescription() const { return templateDescription; }
    int32_t GetPlanLengthDays() const { return planLengthDays; }
    int32_t GetReadOnWeekday(int weekday) const {
        return weekday >= 1 && weekday <= 7 ? readOnWeekday[weekday - 1] : 0;
    }

private:
    struct FileBytes {
        std::shared_ptr<const std::string> plan;
        std::shared_ptr<const std::string> history;
    };
    // A step holds the hunks that lead from the bytes before it to those after, the journal
    // entry's (seq) that recorded it.
    struct Step {
        std::string name;
        int element;
        uint64_t seq;
        std::vector<JournalHunk> plan;
        std::vector<JournalHunk> history;
        // Fingerprints of the bytes around it, so that Undo never changes bytes it did not make.
        std::string planBefore, planAfter, historyBefore, historyAfter;
    };
    // Steps nest: the outermost one records and commits.
    class ChangeScope {
    public:
        ChangeScope(CReadingPlanDoc& doc, const char* name, int element);
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;
        std::string message;

    private:
        CReadingPlanDoc& doc_;
        const char* name_;
        int element_;
        bool outer_;
    };
    void EndChange(const char* name, int element, const std::string& message);
    void RecordAndCommit(const char* name, int element);
    FileBytes CurrentBytes();
    void Restore(const Step& step, bool forward);
    bool CommitBytes(const std::string* planBytes, const std::string* historyBytes,
                     CJournalEntry* entry = nullptr);
    // The journal: checked against the files on load, the undo steps read back from it,
    // and an entry made for each commit.
    void OpenJournal();
    void RecordSnapshot();
    void DescribeChange(CJournalEntry& entry) const;
    void AfterJournalCommit(const CJournalEntry& entry);
    std::string ReadingMessage(const std::string& what, uint32_t newlyRead, uint32_t again, bool extra) const;
    void ApplyExtraReading(const std::optional<ExtraReading>& result);
    void InitialiseEmptyPlan();
    void InitialiseEmptyHistory();
    // Loads one file: loaded, missing (nothing there), damaged (read whole but
    // not understood: user told, file moved aside) or unreadable (no access,
    // an I/O error, too large, not a regular file: user told, nothing moved).
    enum class Load { loaded, missing, damaged, unreadable };
    Load LoadFile(const std::string& path, bool plan);
    bool WriteFile(const std::string& path, bool plan, const std::string* bytes = nullptr);
    bool WriteBothFiles(const std::string* planBytes = nullptr, const std::string* historyBytes = nullptr,
                        bool writePlan = true, bool writeHistory = true, CJournalEntry* entry = nullptr);
    void ClearPlan();
    void ApplyTemplateFields(const CPlanTemplate& t);
    void AppendGenerated(std::vector<CPlanElement>&& made);
    // Counts the flags again after a change to many of them at once.
    void RecountPlan();
    void RecountLifetime();

    const CReaderContext& reader_;
    std::function<void(const CReadingPlanDoc&)> planWritten_;
    bool setUp_ = false;
    bool closing_ = false;
    // Set when a damaged file could not be moved aside: it is then never written over.
    bool lookOnly_ = false;
    bool planFileLocked_ = false;
    bool historyFileLocked_ = false;

    int32_t historyVersion = 1;
    std::list<CLogElement> readingLog;
    std::vector<uint16_t> lifetimeCounts;
    int32_t extraReadingMode = 0;
    int32_t planVersion = 1;
    std::vector<CPlanElement> elements;
    std::vector<uint8_t> inPlan;
    std::vector<uint8_t> readInPlan;
    CJJulian startDate;
    std::optional<CJJulian> newPlanStart_;
    bool newPlanSkipsPast_ = false;
    std::string templateTitle;
    std::string templateFormat;
    std::string templateDescription;
    int32_t repeatBooks = 0;
    int32_t sectionCount = 0;
    int32_t divideBy = 0;
    int32_t planLengthDays = 0;
    std::array<int32_t, 7> readOnWeekday{};
    bool planDirty = false;
    bool historyDirty = false;
    uint32_t planVerseCount_ = 0;
    uint32_t planReadCount_ = 0;
    uint32_t lifetimeReadCount_ = 0;
    // Changes whenever an assignment could have become finished or unfinished.
    uint64_t finishedSerial_ = 1;
    mutable uint64_t finishedCountedAt_ = 0;
    mutable uint32_t finishedCount_ = 0;

    bool commitAtOnce_ = false;
    int changeDepth_ = 0;
    // The files' bytes as of the last step (or as loaded), made at the first step.
    FileBytes committed_;
    std::vector<Step> steps_;
    size_t undoCount_ = 0;

    std::unique_ptr<CJournal> journal_;
    // How many of the journal's last entries a load reads: the undo steps and the finish times.
    static constexpr size_t kJournalTail = 1000;
    // The files' bytes as the disk holds them (null: no such file), which entries are made against.
    FileBytes onDisk_;
    // A journal begins with the files as they were, written with the first change.
    std::optional<CJournalEntry> pendingBaseline_;
    // What the files held at the last commit, as the journal's entries are made against it.
    std::vector<uint8_t> committedRead_;
    std::vector<uint16_t> committedCounts_;
    std::vector<uint8_t> committedFinished_;
    // Assignment → when it was finished, from the journal since the plan was made.
    std::vector<std::string> finishedAt_;
    std::string lastMessage_;
};
