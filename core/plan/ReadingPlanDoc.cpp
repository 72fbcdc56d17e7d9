// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingPlanDoc.h"

#include "PlanGenerator.h"
#include "PlanTemplate.h"
#include "TemplateFile.h"
#include "TemplateText.h"
#include "foundation/Archive.h"
#include "foundation/Clock.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"
#include "framework/CommandIds.h"
#include "framework/RescueFile.h"
#include "framework/UiServices.h"
#include "journal/RecordedFile.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// A count that has reached the top stays there rather than wrapping to "never read".
void CountOnce(uint16_t& c) {
    if (c != UINT16_MAX) ++c;
}

// Flags that are set, eight at a time: a byte's top bit is made 1 exactly
// when the byte is not 0, and the top bits are counted. With b, only flags
// set in both.
uint64_t NonZeroBytes(uint64_t w) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    return (((w & kLow7) + kLow7) | w) & ~kLow7;
}

uint32_t CountSet(const uint8_t* a, const uint8_t* b, size_t n) {
    uint32_t count = 0;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t x;
        std::memcpy(&x, a + i, 8);
        uint64_t set = NonZeroBytes(x);
        if (b) {
            uint64_t y;
            std::memcpy(&y, b + i, 8);
            set &= NonZeroBytes(y);
        }
        count += static_cast<uint32_t>(std::popcount(set));
    }
    for (; i < n; ++i)
        count += a[i] != 0 && (!b || b[i] != 0);
    return count;
}

constexpr const char* kCountedOnceMore =
    TR_NOOP("Core", "%1 counted once more in your lifetime reading \u2014 Ctrl+Z to undo");

// Smallest stored assignment: two dates and an empty range count.
constexpr uint64_t kMinElementBytes = 8 + 8 + 4;
constexpr uint64_t kMinLogBytes = 8 + 4;

} // namespace

std::string RangeText(uint16_t start, uint16_t end, const CShownForms& forms) {
    std::string text;
    AppendRangeText(text, start, end, forms);
    return text;
}

void AppendRangeText(std::string& out, uint16_t start, uint16_t end, const CShownForms& forms) {
    if (&forms != &EnglishForms()) {
        CBible& bible = TheBible();
        bible.AppendReferenceTextAt(out, start, forms.books);
        if (start == end) return;
        out += forms.Text(TR_NOOP("Core", " through "));
        bible.AppendReferenceTextAt(out, end, forms.books);
        return;
    }
    const size_t at = out.size();
    out.resize(at + 9 + 2 * TheBible().ReferenceTextRoom());
    char* p = WriteRangeText(out.data() + at, start, end);
    out.resize(static_cast<size_t>(p - out.data()));
}

char* WriteRangeText(char* p, uint16_t start, uint16_t end) {
    CBible& bible = TheBible();
    p = bible.WriteReferenceTextAt(p, start);
    if (start == end) return p;
    std::memcpy(p, " through ", 9);
    return bible.WriteReferenceTextAt(p + 9, end);
}

std::string CompactRangeText(uint16_t start, uint16_t end, const CShownForms& forms) {
    if (start > end) std::swap(start, end);
    CBible& bible = TheBible();
    auto bookName = [&](uint16_t b) {
        return forms.books && b >= 1 && b <= 66 ? std::string(forms.books->names[b - 1u])
                                                : bible.GetBookName(b);
    };
    const CVerse s = bible.GetVerseAt(start);
    const CVerse e = bible.GetVerseAt(end);
    const uint16_t sb = s.GetBook(), sc = s.GetChapter(), eb = e.GetBook(), ec = e.GetChapter();
    auto oneChapter = [&](uint16_t b) { return bible.GetChapterCount(b) == 1; };
    const bool wholeChapters =
        s.GetVerse() == bible.GetFirstVerse(sb, sc) && e.GetVerse() == bible.GetLastVerse(eb, ec);
    std::string out = bookName(sb);
    if (wholeChapters) {
        auto chapter = [&](uint16_t b, uint16_t c) {
            return oneChapter(b) ? std::string() : " " + std::to_string(c);
        };
        out += chapter(sb, sc);
        if (sb != eb)
            out += "\u2013" + bookName(eb) + chapter(eb, ec);
        else if (sc != ec)
            out += "\u2013" + std::to_string(ec);
        return out;
    }
    auto place = [&](uint16_t b, uint16_t c, uint16_t v) {
        return oneChapter(b) ? std::to_string(v) : std::to_string(c) + ":" + std::to_string(v);
    };
    out += " " + place(sb, sc, s.GetVerse());
    if (start == end) return out;
    out += "\u2013";
    if (sb != eb)
        out += bookName(eb) + " " + place(eb, ec, e.GetVerse());
    else if (sc != ec)
        out += place(eb, ec, e.GetVerse());
    else
        out += std::to_string(e.GetVerse());
    return out;
}

CReadingPlanDoc::CReadingPlanDoc(IUiServices& ui, const CReaderContext& reader)
    : CDocument(ui), reader_(reader) {
    MapCommand(Cmd::EnterReading, [this] { OnEnterReading(); });
    MapCommand(
        Cmd::ResetPlan, [this] { OnResetPlan(); }, [this] { return GetPlanState() != 1; });
    MapCommand(Cmd::ResetLifetimeReadings, [this] { OnResetLifetimeReadings(); });
    MapCommand(Cmd::PlanProperties, [this] { OnPlanProperties(); });
    MapCommand(Cmd::SaveReadingPlan, [this] { SaveDirtyFiles(); });
    // Ctrl+S in the plan window saves the reader's own files rather than asking for a new name.
    MapCommand(Cmd::FileSave, [this] { SaveDirtyFiles(); });
    MapCommand(Cmd::CloseDocumentWindow, [] {});
    MapCommand(Cmd::EditUndo, [this] { Undo(); });
    MapUpdate(Cmd::EditUndo, [this](CCmdUI& ui) {
        ui.Enable(CanUndo());
        ui.SetText(CanUndo() ? "&Undo " + UndoName() : std::string("&Undo"));
    });
    MapCommand(Cmd::EditRedo, [this] { Redo(); });
    MapUpdate(Cmd::EditRedo, [this](CCmdUI& ui) {
        ui.Enable(CanRedo());
        ui.SetText(CanRedo() ? "&Redo " + RedoName() : std::string("&Redo"));
    });
    // The view runs these two; whether they may run is the plan's to say.
    MapUpdate(Cmd::FinishedReading, [this](CCmdUI& ui) { ui.Enable(GetPlanState() != 1); });
    MapUpdate(Cmd::SynchronizeDates, [this](CCmdUI& ui) { ui.Enable(GetPlanState() != 1); });
}

std::string CReadingPlanDoc::TitleFor(const std::string& displayName, const CShownForms& forms) {
    return Substitute(forms.Text(PossessiveForm(displayName, TR_NOOP("Core", "%1' Reading Plan"),
                                                TR_NOOP("Core", "%1's Reading Plan"))),
                      {displayName});
}

std::vector<std::string> CReadingPlanDoc::HeldFiles() const {
    if (!setUp_) return CDocument::HeldFiles();
    return {PlanFilePath(), HistoryFilePath()};
}

std::string CReadingPlanDoc::PlanFilePath() const {
    return JoinStem(reader_.baseDirectory, reader_.fileStem) + ".vnpln";
}

std::string CReadingPlanDoc::HistoryFilePath() const {
    return JoinStem(reader_.baseDirectory, reader_.fileStem) + ".vnpro";
}

std::string CReadingPlanDoc::CommitRecordPath() const {
    return JoinStem(reader_.baseDirectory, reader_.fileStem) + ".commit";
}

// --- files -----------------------------------------------------------------

void CReadingPlanDoc::InitialiseEmptyPlan() {
    const uint16_t verses = TheBible().GetTotalVerseCount();
    templateTitle.clear();
    templateFormat.clear();
    templateDescription.clear();
    repeatBooks = planLengthDays = sectionCount = divideBy = 0;
    readOnWeekday.fill(0);
    startDate = CJJulian();
    elements.clear();
    inPlan.assign(verses, 0);
    readInPlan.assign(verses, 0);
    planVerseCount_ = planReadCount_ = 0;
    ++finishedSerial_;
    planDirty = true;
}

void CReadingPlanDoc::InitialiseEmptyHistory() {
    readingLog.clear();
    extraReadingMode = 0;
    lifetimeCounts.assign(TheBible().GetTotalVerseCount(), 0);
    lifetimeReadCount_ = 0;
    historyDirty = true;
}

bool CReadingPlanDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    TheBible();
    planDirty = historyDirty = false;
    planFileLocked_ = historyFileLocked_ = false;
    onDisk_ = committed_ = {};
    steps_.clear();
    undoCount_ = 0;
    if (reader_.fileStem.empty()) {
        // No environment to keep files in: the document holds an empty plan and writes nothing.
        InitialiseEmptyPlan();
        InitialiseEmptyHistory();
        setUp_ = false;
        SetTitle(TitleFor(reader_.displayName, Ui().Forms()));
        return true;
    }
    const std::string planPath = PlanFilePath();
    const std::string historyPath = HistoryFilePath();
    // A save of both files that a crash interrupted is finished before either is read; a
    // document that only looks reads what it leads to instead, and writes nothing.
    if (std::string why; !lookOnly_ && !CFileTransaction::Recover(CommitRecordPath(), &why))
        ReportError(Ui(), why + "\n" + TR_NOOP("Core", "The reading plan and history are read as they are."));
    if (!lookOnly_) {
        // What a crash left half written goes now, not only at the next save.
        RemoveStaleTemporaries(planPath);
        RemoveStaleTemporaries(historyPath);
    }
    const Load plan = LoadFile(planPath, true);
    if (plan == Load::unreadable) return false;
    if (plan != Load::loaded) InitialiseEmptyPlan();
    const Load history = LoadFile(historyPath, false);
    if (history == Load::unreadable) return false;
    if (history != Load::loaded) InitialiseEmptyHistory();
    // A damaged file left in place is never written; only changes made from now on are at stake.
    if (planFileLocked_) planDirty = false;
    if (historyFileLocked_) historyDirty = false;
    setUp_ = true;
    OpenJournal();
    SetTitle(TitleFor(reader_.displayName, Ui().Forms()));
    UpdateAllViews(nullptr);
    return true;
}

CReadingPlanDoc::Load CReadingPlanDoc::LoadFile(const std::string& path, bool plan) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(lookOnly_ ? CFileTransaction::PendingReadPath(CommitRecordPath(), path) : path,
                              kMaxPlanFileBytes);
    } catch (const CFileException& e) {
        if (e.cause == CFileException::fileNotFound) return Load::missing;
        // Not read is not damaged: the file stays as it is, and so does everything else.
        ReportError(Ui(), LoadErrorMessage(e, path));
        return Load::unreadable;
    }
    try {
        auto kept = std::make_shared<const std::string>(bytes);
        CArchive ar(std::move(bytes), path);
        if (plan)
            Serialize(ar);
        else
            SerializeHistory(ar);
        // As loaded: what Undo goes back to and what the journal's next entry is made against.
        (plan ? onDisk_.plan : onDisk_.history) = kept;
        (plan ? committed_.plan : committed_.history) = std::move(kept);
        return Load::loaded;
    } catch (const std::exception& e) {
        if (lookOnly_) {
            ReportError(Ui(), LoadErrorMessage(e, path));
            return Load::unreadable;
        }
        // A file that cannot be moved aside is never written over.
        const bool locked = !ReportAndKeepAside(Ui(), LoadErrorMessage(e, path), path,
                                                plan ? TR_NOOP("Core", "the reading plan starts empty")
                                                     : TR_NOOP("Core", "the reading history starts empty"));
        (plan ? planFileLocked_ : historyFileLocked_) = locked;
        return Load::damaged;
    }
}

bool CReadingPlanDoc::WriteFile(const std::string& path, bool plan, const std::string* bytes) {
    CArchive ar;
    try {
        if (bytes)
            ar.Write(bytes->data(), bytes->size());
        else if (plan)
            Serialize(ar);
        else
            SerializeHistory(ar);
        // A damaged file left in place is never written over; its changes fail like any other write.
        if (plan ? planFileLocked_ : historyFileLocked_)
            throw CFileException(CFileException::accessDenied, path, EACCES);
        // A reader directory removed while the environment was open is made again.
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        std::error_code ec;
        if (!parent.empty() && !std::filesystem::exists(parent, ec))
            std::filesystem::create_directory(parent, ec);
        SaveFileAtomic(path, ar.Bytes());
        // Only a completed write clears the flag.
        (plan ? planDirty : historyDirty) = false;
        return true;
    } catch (const std::exception& e) {
        (plan ? planDirty : historyDirty) = true;
        ReportError(Ui(), SaveErrorMessage(e, path));
        // Closing: the document goes away, so its changes must go somewhere.
        if (closing_ && !ar.Bytes().empty()) RescueUnsavedBytes(Ui(), path, ar.Bytes());
        return false;
    }
}

bool CReadingPlanDoc::WriteBothFiles(const std::string* planBytes, const std::string* historyBytes,
                                     bool writePlan, bool writeHistory, CJournalEntry* entry) {
    const std::string planPath = PlanFilePath();
    const std::string historyPath = HistoryFilePath();
    CArchive plan, history;
    if (writePlan) {
        if (planBytes)
            plan.Write(planBytes->data(), planBytes->size());
        else
            Serialize(plan);
    }
    if (writeHistory) {
        if (historyBytes)
            history.Write(historyBytes->data(), historyBytes->size());
        else
            SerializeHistory(history);
    }
    if (writePlan) planDirty = true;
    if (writeHistory) historyDirty = true;
    auto fail = [&](const std::exception& e, const std::string& path) {
        ReportError(Ui(), SaveErrorMessage(e, path));
    };
    bool ok = true;
    // Each file in the way is reported, as when they are written one by one.
    for (const std::string* path : {&planPath, &historyPath}) {
        if ((path == &planPath && !writePlan) || (path == &historyPath && !writeHistory)) continue;
        try {
            CheckSaveTarget(*path);
        } catch (const std::exception& e) {
            fail(e, *path);
            ok = false;
        }
    }
    if (ok) {
        FileBytes written = onDisk_;
        try {
            const std::filesystem::path parent = std::filesystem::path(planPath).parent_path();
            std::error_code ec;
            if (!parent.empty() && !std::filesystem::exists(parent, ec))
                std::filesystem::create_directory(parent, ec);
            // New Plan moves the plan's readings into the history: the two files change as one,
            // and with them the journal's entry for the change.
            CFileTransaction commit(CommitRecordPath());
            if (writePlan) {
                written.plan = std::make_shared<const std::string>(plan.Bytes());
                commit.Write(planPath, plan.Bytes());
            }
            if (writeHistory) {
                written.history = std::make_shared<const std::string>(history.Bytes());
                commit.Write(historyPath, history.Bytes());
            }
            if (entry && journal_) {
                auto describe = [&](const std::string& file, const std::shared_ptr<const std::string>& was,
                                    const std::shared_ptr<const std::string>& is) {
                    if (was == is || (was && *was == *is)) return;
                    JournalFileChange change{file, Fingerprint(was.get()), Fingerprint(is.get()), {}};
                    // A file made for the first time has nothing to go back to.
                    if (was) change.hunks = DiffBytes(*was, *is);
                    entry->files.push_back(std::move(change));
                };
                if (writePlan) describe(FileNameOf(planPath), onDisk_.plan, written.plan);
                // A new plan and moved dates replace what they touch: other computers take the bytes.
                if (writePlan && (entry->kind == "new-plan" || entry->kind == "sync-dates"))
                    entry->state.emplace_back("plan", *written.plan);
                if (writeHistory) describe(FileNameOf(historyPath), onDisk_.history, written.history);
                // A save that changes no byte is no change to record.
                if (!entry->files.empty() || entry->kind != "save") {
                    DescribeChange(*entry);
                    if (pendingBaseline_) journal_->AddTo(commit, *pendingBaseline_);
                    journal_->AddTo(commit, *entry);
                } else {
                    entry = nullptr;
                }
            }
            try {
                commit.Commit();
            } catch (const CCommitPendingException&) {
                onDisk_ = written;
                if (entry && journal_) AfterJournalCommit(*entry);
                if (entry) pendingBaseline_.reset();
                throw;
            }
            onDisk_ = written;
            if (entry && journal_) AfterJournalCommit(*entry);
            if (entry) pendingBaseline_.reset();
            if (writePlan) planDirty = false;
            if (writeHistory) historyDirty = false;
            return true;
        } catch (const CCommitPendingException& e) {
            // Decided, and completed when the files are next opened: nothing to keep elsewhere.
            ReportError(Ui(), SaveErrorMessage(e, e.fileName));
            if (writePlan) planDirty = false;
            if (writeHistory) historyDirty = false;
            return false;
        } catch (const std::exception& e) {
            if (journal_) journal_->ForgetNumbers();
            const auto* f = dynamic_cast<const CFileException*>(&e);
            fail(e, f && f->fileName == historyPath ? historyPath : f && !writePlan ? historyPath : planPath);
        }
    }
    // Neither file was written, so both must be kept somewhere when the document goes away.
    if (closing_) {
        if (writePlan) RescueUnsavedBytes(Ui(), planPath, plan.Bytes());
        if (writeHistory) RescueUnsavedBytes(Ui(), historyPath, history.Bytes());
    }
    return false;
}

bool CReadingPlanDoc::SaveDirtyFiles() {
    return CommitBytes(nullptr, nullptr);
}

// The dirty files, from bytes already made where given.
bool CReadingPlanDoc::CommitBytes(const std::string* planBytes, const std::string* historyBytes,
                                  CJournalEntry* entry) {
    if (!setUp_ || lookOnly_) return true;
    if (journal_) {
        // Recorded: whichever files changed go with the journal's entry, in one commit.
        if (!planDirty && !historyDirty) return true;
        CJournalEntry save;
        save.kind = JournalKindOf("");
        const bool writesPlan = planDirty;
        const bool written =
            WriteBothFiles(planBytes, historyBytes, planDirty, historyDirty, entry ? entry : &save);
        if (written && writesPlan && planWritten_) planWritten_(*this);
        return written;
    }
    // A damaged file left in place is never written; WriteFile reports that one by one.
    if (planDirty && historyDirty && !planFileLocked_ && !historyFileLocked_) {
        const bool written = WriteBothFiles(planBytes, historyBytes);
        if (written && planWritten_) planWritten_(*this);
        return written;
    }
    bool ok = true;
    const bool planWritten = planDirty && WriteFile(PlanFilePath(), true, planBytes);
    ok = (planWritten || !planDirty) && ok;
    if (historyDirty) ok = WriteFile(HistoryFilePath(), false, historyBytes) && ok;
    if (planWritten && planWritten_) planWritten_(*this);
    return ok;
}

// --- the journal -----------------------------------------------------------------

void CReadingPlanDoc::RecordSnapshot() {
    committedRead_ = readInPlan;
    committedCounts_ = lifetimeCounts;
    committedFinished_.assign(elements.size(), 0);
    for (uint16_t i = 0; i < elements.size(); ++i)
        committedFinished_[i] = IsElementFinished(i);
}

std::string CReadingPlanDoc::PlanId() const {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void* data, size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i)
            h = (h ^ p[i]) * 1099511628211ull;
    };
    auto mixNumber = [&](uint64_t n) { mix(&n, sizeof n); };
    for (const std::string* t : {&templateTitle, &templateFormat, &templateDescription}) {
        mixNumber(t->size());
        mix(t->data(), t->size());
    }
    for (int32_t n : {repeatBooks, planLengthDays, sectionCount, divideBy})
        mixNumber(uint32_t(n));
    for (int32_t f : readOnWeekday)
        mixNumber(uint32_t(f));
    mixNumber(uint64_t(startDate.GetDayNumber()));
    mixNumber(inPlan.size());
    mix(inPlan.data(), inPlan.size());
    mixNumber(elements.size());
    for (const CPlanElement& e : elements) {
        mixNumber(uint64_t(e.GetOriginalDate().GetDayNumber()));
        for (uint16_t r = 0; r < e.GetRangeCount(); ++r)
            mixNumber(uint64_t(e.GetRangeStart(r)) << 16 | e.GetRangeEnd(r));
    }
    char buf[24];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

// --- merging ---------------------------------------------------------------------

void CReadingPlanDoc::LoadBytes(const std::string& plan, const std::string& history) {
    CArchive p(plan, PlanFilePath()), h(history, HistoryFilePath());
    Serialize(p);
    SerializeHistory(h);
}

std::pair<std::string, std::string> CReadingPlanDoc::StoreBytes() {
    const FileBytes now = CurrentBytes();
    return {*now.plan, *now.history};
}

void CReadingPlanDoc::ReplayEntry(const CJournalEntry& e, ReplacedPlans& replaced) {
    const std::string* bytes = e.State("plan");
    if (e.kind == "new-plan") {
        if (!bytes) return;
        // Read whole before anything changes: bytes that are no plan change nothing.
        CReadingPlanDoc made(Ui(), reader_);
        CArchive check(*bytes, PlanFilePath());
        made.Serialize(check);
        std::vector<uint8_t>& was = replaced[PlanId()];
        was.resize(std::max(was.size(), readInPlan.size()));
        for (size_t v = 0; v < readInPlan.size(); ++v)
            was[v] |= readInPlan[v];
        FoldPlanIntoLifetime();
        CArchive ar(*bytes, PlanFilePath());
        Serialize(ar);
    } else if (e.kind == "sync-dates") {
        // Dates moved on a plan since replaced are nothing to this one.
        if (!bytes || e.plan != PlanId()) return;
        CReadingPlanDoc moved(Ui(), reader_);
        CArchive ar(*bytes, PlanFilePath());
        moved.Serialize(ar);
        if (moved.PlanId() != e.plan || moved.elements.size() != elements.size()) return;
        for (size_t i = 0; i < elements.size(); ++i)
            elements[i].SetScheduledDate(moved.elements[i].GetScheduledDate());
        planDirty = true;
    } else if (e.kind == "reset-plan") {
        if (e.plan == PlanId()) FoldPlanIntoLifetime();
    } else if (e.kind == "reset-lifetime") {
        std::fill(lifetimeCounts.begin(), lifetimeCounts.end(), 0);
        readingLog.clear();
        RecountLifetime();
        historyDirty = true;
    } else if (e.kind == "finish" || e.kind == "mark" || e.kind == "extra") {
        // A verse marked on both computers before either saw the other is read once; one marked on
        // a plan the other computer has since replaced counts in the lifetime history, as the
        // replaced plan's own readings did.
        const bool samePlan = e.plan == PlanId();
        const auto gone = samePlan ? replaced.end() : replaced.find(e.plan);
        for (const auto& [a, b] : e.read)
            for (uint32_t v = a; v <= b; ++v) {
                if (samePlan && v < readInPlan.size()) {
                    if (readInPlan[v] == 0) {
                        readInPlan[v] = 1;
                        planDirty = true;
                    }
                    continue;
                }
                // Read in the replaced plan already, by the other computer: its fold counted it.
                if (gone != replaced.end() && v < gone->second.size()) {
                    if (gone->second[v] != 0) continue;
                    gone->second[v] = 1;
                }
                if (v < lifetimeCounts.size()) {
                    CountOnce(lifetimeCounts[v]);
                    historyDirty = true;
                }
            }
        for (const auto& [a, b] : e.lifetime)
            for (uint32_t v = a; v <= b && v < lifetimeCounts.size(); ++v) {
                CountOnce(lifetimeCounts[v]);
                historyDirty = true;
            }
        if (e.mode == 0 || e.mode == 1) extraReadingMode = e.mode;
        RecountPlan();
        RecountLifetime();
    }
}

void CReadingPlanDoc::AddReadingsOf(const CReadingPlanDoc& other) {
    const bool samePlan = !elements.empty() && other.PlanId() == PlanId();
    for (size_t v = 0; v < other.readInPlan.size(); ++v) {
        if (other.readInPlan[v] == 0) continue;
        if (samePlan && v < readInPlan.size())
            readInPlan[v] = 1;
        else if (v < lifetimeCounts.size())
            CountOnce(lifetimeCounts[v]);
    }
    for (size_t v = 0; v < other.lifetimeCounts.size() && v < lifetimeCounts.size(); ++v)
        lifetimeCounts[v] =
            uint16_t(std::min<uint32_t>(0xFFFF, uint32_t(lifetimeCounts[v]) + other.lifetimeCounts[v]));
    planDirty = historyDirty = true;
    RecountPlan();
    RecountLifetime();
}

void CReadingPlanDoc::DescribeChange(CJournalEntry& entry) const {
    entry.plan = PlanId();
    if (entry.kind == "extra") entry.mode = extraReadingMode;
    entry.read = RisenRanges(committedRead_, readInPlan);
    entry.lifetime = IncrementedRanges(committedCounts_, lifetimeCounts);
    // A new plan's assignments are other assignments: each finished one is news.
    const bool samePlan = entry.kind != "new-plan" && committedFinished_.size() == elements.size();
    for (uint16_t i = 0; i < elements.size(); ++i) {
        const bool was = samePlan && committedFinished_[i], is = IsElementFinished(i);
        if (is && !was) entry.done.push_back(i);
        if (was && !is) entry.undone.push_back(i);
    }
}

void CReadingPlanDoc::AfterJournalCommit(const CJournalEntry& entry) {
    RecordSnapshot();
    if (entry.kind == "new-plan") finishedAt_.clear();
    finishedAt_.resize(elements.size());
    for (uint32_t i : entry.done)
        if (i < finishedAt_.size()) finishedAt_[i] = entry.time;
    for (uint32_t i : entry.undone)
        if (i < finishedAt_.size()) finishedAt_[i].clear();
}

std::string CReadingPlanDoc::FinishedAt(uint16_t i) const {
    return i < finishedAt_.size() && IsElementFinished(i) ? finishedAt_[i] : std::string();
}

void CReadingPlanDoc::OpenJournal() {
    journal_.reset();
    pendingBaseline_.reset();
    finishedAt_.clear();
    // A damaged file left in place is not written, so no change to it is recorded either.
    if (!setUp_ || lookOnly_ || planFileLocked_ || historyFileLocked_) return;
    journal_ = std::make_unique<CJournal>(ParentDirectory(PlanFilePath()), DeviceId());
    // An entry a crash left half written goes now; a whole one is finished with its commit.
    if (std::string why; !journal_->Recover(&why)) ReportError(Ui(), why);
    // Undo reaches back to the bytes as loaded; a file not there yet goes back to the empty state.
    const FileBytes loaded = onDisk_;
    if (!committed_.plan || !committed_.history) {
        const FileBytes empty = CurrentBytes();
        if (!committed_.plan) committed_.plan = empty.plan;
        if (!committed_.history) committed_.history = empty.history;
    }
    RecordSnapshot();
    const std::string planPrint = Fingerprint(loaded.plan.get());
    const std::string historyPrint = Fingerprint(loaded.history.get());

    const std::string planKey = FileNameOf(PlanFilePath()), historyKey = FileNameOf(HistoryFilePath());
    size_t bad = 0;
    const std::vector<CJournalEntry> tail = journal_->ReadTail(kJournalTail, &bad);
    try {
        const JournalCheck check = CheckJournal(
            Ui(), *journal_, tail, {{planKey, planPrint}, {historyKey, historyPrint}}, &pendingBaseline_);
        if (check == JournalCheck::disagrees) return;
    } catch (const std::exception& e) {
        ReportError(Ui(), SaveErrorMessage(e, journal_->Path()) +
                              "\nChanges are saved, but not recorded in the reading journal.");
        journal_.reset();
        return;
    }

    // The steps Undo and Redo reach, and when each assignment was finished.
    std::vector<Step> done, undone;
    for (const CJournalEntry& e : tail) {
        const JournalFileChange *plan = e.File(planKey), *history = e.File(historyKey);
        // Other plans kept in the same directory have entries of their own.
        if (!plan && !history) continue;
        if (e.kind == "new-plan") finishedAt_.clear();
        finishedAt_.resize(elements.size());
        for (uint32_t i : e.done)
            if (i < finishedAt_.size()) finishedAt_[i] = e.time;
        for (uint32_t i : e.undone)
            if (i < finishedAt_.size()) finishedAt_[i].clear();
        // A file made for the first time has no bytes to go back to.
        const bool made = (plan && plan->before == "-") || (history && history->before == "-");
        if (e.IsChange() && !made) {
            Step step{e.name, e.element, e.seq, {}, {}, {}, {}, {}, {}};
            if (plan) step = {e.name, e.element, e.seq, plan->hunks, {}, plan->before, plan->after, {}, {}};
            if (history) {
                step.history = history->hunks;
                step.historyBefore = history->before;
                step.historyAfter = history->after;
            }
            done.push_back(std::move(step));
            undone.clear();
        } else if (e.kind == "undo" && !done.empty() && done.back().seq == e.undoes) {
            undone.push_back(std::move(done.back()));
            done.pop_back();
        } else if (e.kind == "redo" && !undone.empty() && undone.back().seq == e.undoes) {
            done.push_back(std::move(undone.back()));
            undone.pop_back();
        } else {
            // Bytes changed by a save or from outside: the steps before cannot be replayed past it.
            done.clear();
            undone.clear();
        }
    }
    if (done.size() > kUndoDepth) done.erase(done.begin(), done.end() - kUndoDepth);
    steps_ = std::move(done);
    undoCount_ = steps_.size();
    steps_.insert(steps_.end(), std::make_move_iterator(undone.rbegin()),
                  std::make_move_iterator(undone.rend()));
    finishedAt_.resize(elements.size());
}

// --- changes, undo and redo ----------------------------------------------------

CReadingPlanDoc::ChangeScope::ChangeScope(CReadingPlanDoc& doc, const char* name, int element)
    : doc_(doc), name_(name), element_(element), outer_(doc.changeDepth_++ == 0) {
    // The bytes before the first step are those loaded, made only now so that opening costs nothing more.
    if (outer_ && doc_.commitAtOnce_ && !doc_.committed_.plan) doc_.committed_ = doc_.CurrentBytes();
}

CReadingPlanDoc::ChangeScope::~ChangeScope() {
    --doc_.changeDepth_;
    if (outer_) doc_.EndChange(name_, element_, message);
}

CReadingPlanDoc::FileBytes CReadingPlanDoc::CurrentBytes() {
    // Serializing clears the flag it writes for; the flags still say what is to be written.
    const bool wasPlanDirty = planDirty, wasHistoryDirty = historyDirty;
    CArchive plan, history;
    Serialize(plan);
    SerializeHistory(history);
    planDirty = wasPlanDirty;
    historyDirty = wasHistoryDirty;
    return {std::make_shared<const std::string>(plan.Bytes()),
            std::make_shared<const std::string>(history.Bytes())};
}

void CReadingPlanDoc::EndChange(const char* name, int element, const std::string& message) {
    if (!planDirty && !historyDirty) return;
    // A command-line run saves once at its end and has no Undo: it keeps no steps.
    if (commitAtOnce_) {
        RecordAndCommit(name, element);
        // The views were told of the change before it was in the journal; those that read it read it now.
        UpdateAllViews(nullptr, kHintJournalCommitted);
    }
    if (!message.empty()) {
        lastMessage_ = message;
        Ui().ShowStatus(message);
    }
}

void CReadingPlanDoc::RecordAndCommit(const char* name, int element) {
    // Only a dirty file is written, so only its bytes are the step's (a new mode of Enter Reading
    // alone does not make the history file change); bytes that did not change stay shared.
    FileBytes after = committed_;
    const FileBytes now = CurrentBytes();
    if (planDirty && *now.plan != *committed_.plan) after.plan = now.plan;
    if (historyDirty && *now.history != *committed_.history) after.history = now.history;
    CJournalEntry entry;
    entry.kind = JournalKindOf(name);
    entry.name = name;
    entry.element = element;
    if (after.plan != committed_.plan || after.history != committed_.history) {
        Step step{name, element, 0, {}, {}, {}, {}, {}, {}};
        if (after.plan != committed_.plan) {
            step.plan = DiffBytes(*committed_.plan, *after.plan);
            step.planBefore = Fingerprint(committed_.plan.get());
            step.planAfter = Fingerprint(after.plan.get());
        }
        if (after.history != committed_.history) {
            step.history = DiffBytes(*committed_.history, *after.history);
            step.historyBefore = Fingerprint(committed_.history.get());
            step.historyAfter = Fingerprint(after.history.get());
        }
        committed_ = after;
        CommitBytes(planDirty ? after.plan.get() : nullptr, historyDirty ? after.history.get() : nullptr,
                    &entry);
        step.seq = entry.seq;
        steps_.resize(undoCount_);
        steps_.push_back(std::move(step));
        ++undoCount_;
        if (steps_.size() > kUndoDepth * 2) {
            steps_.erase(steps_.begin(), steps_.begin() + static_cast<long>(kUndoDepth));
            undoCount_ -= kUndoDepth;
        }
        return;
    }
    CommitBytes(planDirty ? after.plan.get() : nullptr, historyDirty ? after.history.get() : nullptr, &entry);
}

void CReadingPlanDoc::Restore(const Step& step, bool forward) {
    FileBytes target = committed_;
    auto move = [&](std::shared_ptr<const std::string>& bytes, const std::vector<JournalHunk>& hunks,
                    const std::string& before, const std::string& after) {
        if (before.empty() && after.empty()) return true;
        if (Fingerprint(bytes.get()) != (forward ? before : after)) return false;
        std::string moved = *bytes;
        if (!ApplyHunks(moved, hunks, forward) || Fingerprint(&moved) != (forward ? after : before))
            return false;
        bytes = std::make_shared<const std::string>(std::move(moved));
        return true;
    };
    if (!move(target.plan, step.plan, step.planBefore, step.planAfter) ||
        !move(target.history, step.history, step.historyBefore, step.historyAfter)) {
        // Only bytes this step made can be taken back; anything else would be a guess.
        steps_.clear();
        undoCount_ = 0;
        ReportError(
            Ui(),
            Say(Ui(),
                forward ? TR_NOOP("Core", "Redo of %1 is not possible: the reading plan files no "
                                          "longer hold what it changed.\nThe files are kept as they are.")
                        : TR_NOOP("Core", "Undo of %1 is not possible: the reading plan files no "
                                          "longer hold what it changed.\nThe files are kept as they are."),
                {Ui().Forms().Text(step.name.c_str())}));
        return;
    }
    auto load = [&](const std::shared_ptr<const std::string>& bytes, bool plan) {
        CArchive ar(*bytes, plan ? PlanFilePath() : HistoryFilePath());
        if (plan)
            Serialize(ar);
        else
            SerializeHistory(ar);
    };
    const bool plan = target.plan != committed_.plan;
    const bool history = target.history != committed_.history;
    if (plan) load(target.plan, true);
    if (history) load(target.history, false);
    planDirty = planDirty || plan;
    historyDirty = historyDirty || history;
    committed_ = target;
    CJournalEntry entry;
    entry.kind = forward ? "redo" : "undo";
    entry.name = step.name;
    entry.element = step.element;
    entry.undoes = step.seq;
    if (commitAtOnce_)
        CommitBytes(planDirty ? target.plan.get() : nullptr, historyDirty ? target.history.get() : nullptr,
                    &entry);
    lastMessage_ = Say(Ui(), forward ? TR_NOOP("Core", "Redone: %1") : TR_NOOP("Core", "Undone: %1"),
                       {Ui().Forms().Text(step.name.c_str())});
    Ui().ShowStatus(lastMessage_);
    UpdateAllViews(nullptr, step.element >= 0 ? kHintShowAssignment + step.element : kHintFirstUnfinished);
}

void CReadingPlanDoc::Undo() {
    if (!CanUndo()) return;
    const Step step = steps_[--undoCount_];
    Restore(step, false);
}

void CReadingPlanDoc::Redo() {
    if (!CanRedo()) return;
    const Step step = steps_[undoCount_++];
    Restore(step, true);
}

std::string CReadingPlanDoc::ReadingMessage(const std::string& what, uint32_t newlyRead, uint32_t again,
                                            bool extra) const {
    // Whole sentences, one a case, so that a translation can order and inflect them as it needs.
    if (again == 0)
        return Say(Ui(), extra ? TR_NOOP("Core", "%1 read") : TR_NOOP("Core", "%1 finished"), {what});
    if (newlyRead == 0)
        return Say(Ui(),
                   extra ? kCountedOnceMore
                         : TR_NOOP("Core",
                                   "%1 counted once more in your lifetime reading (it was already read in "
                                   "this plan) \u2014 Ctrl+Z to undo"),
                   {what});
    const char* form =
        extra ? (again == 1
                     ? TR_NOOP("Core", "%1 read; %2 verse already read counted once more in your lifetime "
                                       "reading \u2014 Ctrl+Z to undo")
                     : TR_NOOP("Core", "%1 read; %2 verses already read counted once more in your lifetime "
                                       "reading \u2014 Ctrl+Z to undo"))
              : (again == 1 ? TR_NOOP("Core", "%1 finished; %2 verse already read counted once more in your "
                                              "lifetime reading \u2014 Ctrl+Z to undo")
                            : TR_NOOP("Core", "%1 finished; %2 verses already read counted once more in your "
                                              "lifetime reading \u2014 Ctrl+Z to undo"));
    return Say(Ui(), form, {what, std::to_string(again)});
}

void CReadingPlanDoc::DeleteContents() {
    SaveDirtyFiles();
}

void CReadingPlanDoc::OnCloseDocument() {
    closing_ = true;
    CDocument::OnCloseDocument();
    // Closed: a later call must not write this plan under another reader's name.
    setUp_ = false;
}

void CReadingPlanDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        planVersion = 1;
        size_t bytes = 64 + templateTitle.size() + templateFormat.size() + templateDescription.size() +
                       inPlan.size() + readInPlan.size();
        for (const CPlanElement& e : elements)
            bytes += kMinElementBytes + 4u * e.GetRangeCount();
        ar.Reserve(bytes);
        ar.WriteDWord(static_cast<uint32_t>(planVersion));
        ar.WriteString(templateTitle);
        ar.WriteString(templateFormat);
        ar.WriteString(templateDescription);
        ar.WriteDWord(static_cast<uint32_t>(repeatBooks));
        for (int32_t f : readOnWeekday)
            ar.WriteDWord(static_cast<uint32_t>(f));
        ar.WriteDWord(static_cast<uint32_t>(planLengthDays));
        ar.WriteDWord(static_cast<uint32_t>(sectionCount));
        ar.WriteDWord(static_cast<uint32_t>(divideBy));
        startDate.Serialize(ar);
        ar.WriteWord(static_cast<uint16_t>(inPlan.size()));
        ar.Write(inPlan.data(), inPlan.size());
        ar.WriteWord(static_cast<uint16_t>(readInPlan.size()));
        ar.Write(readInPlan.data(), readInPlan.size());
        ar.WriteWord(static_cast<uint16_t>(elements.size()));
        // Storing reads the element only.
        for (CPlanElement& e : elements)
            e.Serialize(ar);
    } else {
        // Whatever part was read, the counts describe the flags as they now are.
        struct Recount {
            CReadingPlanDoc* doc;
            ~Recount() { doc->RecountPlan(); }
        } recount{this};
        planVersion = static_cast<int32_t>(ar.ReadDWord());
        inPlan.clear();
        readInPlan.clear();
        elements.clear();
        templateTitle = ar.ReadString();
        templateFormat = ar.ReadString();
        templateDescription = ar.ReadString();
        repeatBooks = ar.ReadLong();
        for (int32_t& f : readOnWeekday)
            f = ar.ReadLong();
        planLengthDays = ar.ReadLong();
        sectionCount = ar.ReadLong();
        divideBy = ar.ReadLong();
        startDate.Serialize(ar);
        uint16_t k = ar.ReadWord();
        ar.Require(k);
        inPlan.resize(k);
        ar.Read(inPlan.data(), k);
        uint16_t r = ar.ReadWord();
        ar.Require(r);
        readInPlan.resize(r);
        ar.Read(readInPlan.data(), r);
        uint16_t a = ar.ReadWord();
        ar.Require(a * kMinElementBytes);
        elements.resize(a);
        for (CPlanElement& e : elements) {
            CPlanElement temp;
            temp.Serialize(ar);
            e = std::move(temp);
        }
    }
    planDirty = false;
}

void CReadingPlanDoc::SerializeHistory(CArchive& ar) {
    if (ar.IsStoring()) {
        historyVersion = 1;
        size_t bytes = 16 + 2 * lifetimeCounts.size();
        for (const CLogElement& e : readingLog)
            bytes += kMinLogBytes + 4u * e.GetRangeCount();
        ar.Reserve(bytes);
        ar.WriteDWord(static_cast<uint32_t>(historyVersion));
        ar.WriteDWord(static_cast<uint32_t>(extraReadingMode));
        ar.WriteWord(static_cast<uint16_t>(lifetimeCounts.size()));
        ar.WriteWords(lifetimeCounts.data(), lifetimeCounts.size());
        ar.WriteWord(static_cast<uint16_t>(readingLog.size()));
        for (CLogElement& e : readingLog)
            e.Serialize(ar);
    } else {
        struct Recount {
            CReadingPlanDoc* doc;
            ~Recount() { doc->RecountLifetime(); }
        } recount{this};
        historyVersion = static_cast<int32_t>(ar.ReadDWord());
        lifetimeCounts.clear();
        readingLog.clear();
        extraReadingMode = ar.ReadLong();
        uint16_t n = ar.ReadWord();
        ar.Require(uint64_t(n) * 2);
        lifetimeCounts.resize(n);
        ar.ReadWords(lifetimeCounts.data(), lifetimeCounts.size());
        uint16_t m = ar.ReadWord();
        ar.Require(m * kMinLogBytes);
        for (uint16_t i = 0; i < m; ++i) {
            CLogElement e;
            e.Serialize(ar);
            readingLog.push_back(std::move(e));
        }
    }
    historyDirty = false;
}

void CReadingPlanDoc::RecountPlan() {
    ++finishedSerial_;
    planVerseCount_ = CountSet(inPlan.data(), nullptr, inPlan.size());
    planReadCount_ = CountSet(inPlan.data(), readInPlan.data(), std::min(inPlan.size(), readInPlan.size()));
}

void CReadingPlanDoc::RecountLifetime() {
    lifetimeReadCount_ = static_cast<uint32_t>(
        std::count_if(lifetimeCounts.begin(), lifetimeCounts.end(), [](uint16_t c) { return c != 0; }));
}

// --- reading and progress ----------------------------------------------------

void CReadingPlanDoc::MarkVerseRead(uint16_t v) {
    if (v < inPlan.size() && inPlan[v] != 0 && v < readInPlan.size() && readInPlan[v] == 0) {
        readInPlan[v] = 1;
        ++planReadCount_;
        ++finishedSerial_;
        planDirty = true;
    } else if (v < lifetimeCounts.size()) {
        if (lifetimeCounts[v] == 0) ++lifetimeReadCount_;
        CountOnce(lifetimeCounts[v]);
        historyDirty = true;
    }
}

void CReadingPlanDoc::MarkRangeRead(uint16_t a, uint16_t b) {
    if (a > b) std::swap(a, b);
    for (uint32_t v = a; v <= b; ++v)
        MarkVerseRead(static_cast<uint16_t>(v));
}

void CReadingPlanDoc::MarkVerseInPlan(uint16_t v) {
    if (v >= inPlan.size()) return;
    if (inPlan[v] == 0) {
        ++planVerseCount_;
        if (v < readInPlan.size() && readInPlan[v] != 0) ++planReadCount_;
    }
    inPlan[v] = 1;
    planDirty = true;
}

void CReadingPlanDoc::MarkRangeInPlan(uint16_t a, uint16_t b) {
    if (a > b) std::swap(a, b);
    if (a >= inPlan.size()) return;
    // A new plan marks every verse of the Bible through here, range by range.
    const size_t end = std::min<size_t>(b, inPlan.size() - 1) + 1;
    const size_t withRead = std::min(end, std::max<size_t>(a, readInPlan.size()));
    // Through plain pointers: a byte stored through the vector could be its own
    // bookkeeping as far as the compiler knows, which it would then read again.
    uint8_t* in = inPlan.data();
    const uint8_t* read = readInPlan.data();
    uint32_t added = 0, addedRead = 0;
    for (size_t v = a; v < withRead; ++v) {
        const uint32_t was = in[v] == 0;
        added += was;
        addedRead += was & uint32_t(read[v] != 0);
        in[v] = 1;
    }
    for (size_t v = withRead; v < end; ++v) {
        added += in[v] == 0;
        in[v] = 1;
    }
    planVerseCount_ += added;
    planReadCount_ += addedRead;
    planDirty = true;
}

bool CReadingPlanDoc::IsVerseInPlan(uint16_t v) const {
    return v < inPlan.size() && inPlan[v] != 0;
}

bool CReadingPlanDoc::IsRangeRead(uint16_t a, uint16_t b) const {
    if (b < a) return true;
    for (uint32_t v = a; v <= b; ++v)
        if (v >= readInPlan.size() || readInPlan[v] == 0) return false;
    return true;
}

bool CReadingPlanDoc::IsElementFinished(uint16_t i) const {
    if (!IsValidElementIndex(i)) return false;
    for (const VerseRange& r : elements[i].Ranges())
        if (!IsRangeRead(r.start, r.end)) return false;
    return true;
}

uint32_t CReadingPlanDoc::CountFinishedElements() const {
    if (finishedCountedAt_ != finishedSerial_) {
        finishedCount_ = 0;
        for (size_t i = 0; i < elements.size(); ++i)
            finishedCount_ += IsElementFinished(static_cast<uint16_t>(i));
        finishedCountedAt_ = finishedSerial_;
    }
    return finishedCount_;
}

CPlanElement CReadingPlanDoc::GetElement(uint16_t i) const {
    return IsValidElementIndex(i) ? elements[i] : CPlanElement();
}

int CReadingPlanDoc::GetPlanState() const {
    if (elements.empty()) return 1;
    return elements.size() == 1 ? 6 : 0;
}

void CReadingPlanDoc::SetExtraReadingMode(int mode) {
    if (mode == 0 || mode == 1) extraReadingMode = mode;
}

void CReadingPlanDoc::FinishElement(uint16_t i) {
    if (!IsValidElementIndex(i)) return;
    ChangeScope change(*this, TR_NOOP("Core", "Finished Reading"), i);
    const CPlanElement e = elements[i];
    const uint32_t readBefore = planReadCount_;
    uint32_t verses = 0;
    std::string what;
    for (const VerseRange& r : e.Ranges()) {
        MarkRangeRead(r.start, r.end);
        verses += static_cast<uint32_t>(std::max(r.start, r.end) - std::min(r.start, r.end)) + 1;
        if (!what.empty()) what += "; ";
        what += CompactRangeText(r.start, r.end, Ui().Forms());
    }
    const uint32_t newly = planReadCount_ - readBefore;
    if (!what.empty()) change.message = ReadingMessage(what, newly, verses - newly, false);
    UpdateAllViews(nullptr);
}

void CReadingPlanDoc::ReadRangeOf(uint16_t element, uint16_t start, uint16_t end) {
    ChangeScope change(*this, TR_NOOP("Core", "Mark Reading"), element);
    const uint32_t readBefore = planReadCount_;
    MarkRangeRead(start, end);
    const uint32_t verses = static_cast<uint32_t>(std::max(start, end) - std::min(start, end)) + 1;
    const uint32_t newly = planReadCount_ - readBefore;
    change.message = ReadingMessage(CompactRangeText(start, end, Ui().Forms()), newly, verses - newly, false);
    UpdateAllViews(nullptr);
}

void CReadingPlanDoc::AddLifetimeReading(uint16_t start, uint16_t end) {
    for (uint32_t v = start; v <= end; ++v) {
        if (v >= lifetimeCounts.size()) continue;
        if (lifetimeCounts[v] == 0) ++lifetimeReadCount_;
        CountOnce(lifetimeCounts[v]);
    }
    historyDirty = true;
}

void CReadingPlanDoc::FoldPlanIntoLifetime() {
    const size_t both = std::min(readInPlan.size(), lifetimeCounts.size());
    const uint8_t* read = readInPlan.data();
    uint16_t* counts = lifetimeCounts.data();
    for (size_t v = 0; v < both; ++v)
        if (read[v] != 0) CountOnce(counts[v]);
    std::fill(readInPlan.begin(), readInPlan.end(), 0);
    RecountPlan();
    RecountLifetime();
    readingLog.clear();
    historyDirty = true;
    planDirty = true;
    UpdateAllViews(nullptr);
}

void CReadingPlanDoc::OnSynchronizeDates() {
    ChangeScope change(*this, TR_NOOP("Core", "Synchronize Dates"), -1);
    std::vector<CJJulian> before;
    before.reserve(elements.size());
    for (const CPlanElement& e : elements)
        before.push_back(e.GetScheduledDate());
    SynchronizeDates();
    size_t moved = 0;
    for (size_t i = 0; i < elements.size(); ++i)
        moved += !(elements[i].GetScheduledDate() == before[i]);
    change.message =
        moved == 0
            ? Say(Ui(),
                  TR_NOOP("Core", "Dates synchronized: every unfinished reading was already on its day"), {})
            : Say(Ui(),
                  moved == 1 ? TR_NOOP("Core", "Dates synchronized: %1 reading moved \u2014 Ctrl+Z to undo")
                             : TR_NOOP("Core", "Dates synchronized: %1 readings moved \u2014 Ctrl+Z to undo"),
                  {std::to_string(moved)});
    UpdateAllViews(nullptr, kHintFirstUnfinished);
}

void CReadingPlanDoc::SynchronizeDates() {
    const PlanSettings s = Settings();
    const bool anyDay =
        std::any_of(readOnWeekday.begin(), readOnWeekday.end(), [](int32_t f) { return f != 0; });
    CJJulian date = Today();
    size_t i = 0;
    // Each reading day first steps over finished assignments, then dates the
    // unfinished one it stopped on; finished ones keep their dates.
    while (anyDay && i < elements.size()) {
        if (s.readOnWeekday[static_cast<size_t>(date.GetWeekday() - 1)] != 0) {
            while (i < elements.size() && IsElementFinished(static_cast<uint16_t>(i)))
                ++i;
            if (i >= elements.size()) break;
            elements[i].SetScheduledDate(date);
            ++i;
        }
        date = date.NextDay();
    }
    planDirty = true;
}

// --- commands ----------------------------------------------------------------

void CReadingPlanDoc::OnEnterReading() {
    ApplyExtraReading(Ui().EnterExtraReading(extraReadingMode));
}

void CReadingPlanDoc::OnEnterReadingOf(uint16_t start, uint16_t end) {
    ApplyExtraReading(Ui().EnterExtraReadingOf(extraReadingMode, start, end));
}

void CReadingPlanDoc::ApplyExtraReading(const std::optional<ExtraReading>& result) {
    if (!result) return;
    ChangeScope change(*this, TR_NOOP("Core", "Enter Reading"), -1);
    SetExtraReadingMode(result->mode);
    const std::string what = CompactRangeText(result->start, result->end, Ui().Forms());
    if (result->mode == 1) {
        const uint32_t readBefore = planReadCount_;
        MarkRangeRead(result->start, result->end);
        const uint32_t verses = static_cast<uint32_t>(std::max(result->start, result->end) -
                                                      std::min(result->start, result->end)) +
                                1;
        const uint32_t newly = planReadCount_ - readBefore;
        change.message = ReadingMessage(what, newly, verses - newly, true);
    } else if (result->mode == 0) {
        AddLifetimeReading(result->start, result->end);
        if (result->start <= result->end) change.message = Say(Ui(), kCountedOnceMore, {what});
    }
    // Either way the lifetime bar has changed.
    UpdateAllViews(nullptr);
}

void CReadingPlanDoc::OnResetPlan() {
    bool fromToday = false;
    MessageBoxRequest question{kResetPlanQuestion, MbButtons::okCancel, MbIcon::question, 1};
    question.checkBoxText = kResetFromTodayChoice;
    question.checkBox = &fromToday;
    if (Ui().MessageBox(question) != IDOK) return;
    ChangeScope change(*this, TR_NOOP("Core", "Reset Plan"), -1);
    FoldPlanIntoLifetime();
    // Nothing is finished now, so every assignment gets a reading day from today on.
    if (fromToday) SynchronizeDates();
    change.message =
        fromToday ? "Reading plan reset to start today; its readings joined your lifetime "
                    "reading \u2014 Ctrl+Z to undo"
                  : "Reading plan reset; its readings joined your lifetime reading \u2014 Ctrl+Z to undo";
    UpdateAllViews(nullptr, kHintFirstUnfinished);
}

void CReadingPlanDoc::OnResetLifetimeReadings() {
    if (Ui().MessageBox({kResetLifetimeQuestion, MbButtons::okCancel, MbIcon::question, 1}) == IDOK) {
        ChangeScope change(*this, TR_NOOP("Core", "Reset Lifetime Readings"), -1);
        readingLog.clear();
        std::fill(lifetimeCounts.begin(), lifetimeCounts.end(), 0);
        lifetimeReadCount_ = 0;
        historyDirty = true;
        change.message =
            Say(Ui(), TR_NOOP("Core", "Lifetime reading history reset \u2014 Ctrl+Z to undo"), {});
    }
    UpdateAllViews(nullptr);
}

std::array<std::string, 3> CReadingPlanDoc::GetPropertiesLines() const {
    const uint32_t total = CountPlanVerses();
    if (total == 0) return {kNoReadingPlanSelected, "", ""};
    std::string third = templateDescription;
    if (CountPlanVersesRead() == total) third += std::string("\r\n\r\n") + kReadingPlanCompleted;
    return {templateTitle, templateFormat, third};
}

std::string CReadingPlanDoc::GetPropertiesText() const {
    auto lines = GetPropertiesLines();
    return lines[0] + "\r\n\r\n" + lines[1] + "\r\n\r\n" + lines[2];
}

void CReadingPlanDoc::OnPlanProperties() {
    Ui().ShowPlanProperties(GetPropertiesText());
}

namespace {

bool NoBooks(const std::vector<int32_t>& bookSection) {
    const SectionBooks rows = SectionBooksFrom(bookSection);
    return std::all_of(rows.begin(), rows.end(), [](const auto& row) { return row.empty(); });
}

// Why a template or import can give no readings, known before the plan is
// touched; null when it may give some.
const char* EmptyPlanReason(TemplateForm form, const CPlanTemplate& t, const TextImport& import) {
    if (form == TemplateForm::archive) {
        if (std::none_of(t.readOnWeekday.begin(), t.readOnWeekday.end(), [](int32_t f) { return f != 0; }))
            return kNoReadingDayMessage;
        if (NoBooks(t.bookSection)) return kNoBooksMessage;
    } else if (form == TemplateForm::text && import.hasSectionTable) {
        if (!import.AnyWeekday()) return kNoReadingDayMessage;
        if (NoBooks(import.fields.bookSection)) return kNoBooksMessage;
    }
    return nullptr;
}

} // namespace

bool CReadingPlanDoc::ConfirmNewPlan() {
    const uint32_t total = CountPlanVerses();
    return total == 0 || CountPlanVersesRead() == total ||
           Ui().MessageBox({kNewPlanQuestion, MbButtons::yesNo, MbIcon::question, 0}) == IDYES;
}

bool CReadingPlanDoc::NewPlan(bool fromGallery) {
    if (!ConfirmNewPlan()) return false;
    FileDialogRequest request = TemplateFileRequest(true, kTemplateDefaultFileName, reader_.baseDirectory);
    request.gallery = fromGallery ? 2 : 1;
    // The reader's own templates: beside the reader's files and in the base directory.
    request.galleryDirectories = {std::filesystem::path(PlanFilePath()).parent_path().string(),
                                  reader_.baseDirectory};
    PlanStartChoice start;
    request.planStart = &start;
    auto path = Ui().ChooseFile(request);
    if (!path) return false;
    if (start.start || start.skipPast) SetNewPlanStart(start.start, start.skipPast);
    return NewPlanFromFile(*path);
}

bool CReadingPlanDoc::NewPlanFromFile(const std::string& chosen) {
    const std::string path = CompleteTemplateExtension(chosen);
    const TemplateForm form = TemplateFormOf(path);
    if (!FileExists(path)) return false;
    // The whole file is read and understood before the old plan is emptied,
    // so an unreadable template leaves the plan as it was.
    std::string bytes;
    CPlanTemplate t;
    try {
        bytes = ReadWholeFile(path, kMaxTemplateFileBytes);
        if (form == TemplateForm::archive) t = ReadTemplateArchive(bytes, path);
    } catch (const std::exception& e) {
        ReportError(Ui(), LoadErrorMessage(e, path));
        return false;
    }

    // The long part (reading a text import) runs under the progress dialog,
    // and a file that can give no readings is refused before anything changes.
    auto progress = Ui().ShowLoadProgress(FileNameOf(path));
    TextImport import;
    if (form == TemplateForm::text) import = ParseTextImport(bytes, progress.get());
    if (const char* why = EmptyPlanReason(form, t, import)) {
        progress.reset();
        Ui().MessageBox({path + why, MbButtons::ok, MbIcon::exclamation, 0});
        return false;
    }

    {
        ChangeScope change(*this, TR_NOOP("Core", "New Plan"), -1);
        FoldPlanIntoLifetime();
        std::fill(inPlan.begin(), inPlan.end(), 0);
        // The new plan is made from today's canon; flags of an older, shorter file
        // would leave its verses out of the plan, and it could never be completed.
        const size_t verses = TheBible().GetTotalVerseCount();
        if (inPlan.size() < verses) inPlan.resize(verses, 0);
        if (readInPlan.size() < verses) readInPlan.resize(verses, 0);
        RecountPlan();
        elements.clear();
        startDate = newPlanStart_.value_or(Today());
        planDirty = true;
        if (form == TemplateForm::text)
            ImportParsedPlan(std::move(import), progress.get());
        else if (form == TemplateForm::archive)
            GenerateFromTemplate(t, progress.get());
        if (newPlanSkipsPast_) {
            LeaveOutBefore(elements, Today());
            std::fill(inPlan.begin(), inPlan.end(), 0);
            for (const CPlanElement& e : elements)
                for (const VerseRange& r : e.Ranges())
                    MarkRangeInPlan(r.start, r.end);
            RecountPlan();
        }
        newPlanStart_.reset();
        newPlanSkipsPast_ = false;
        progress.reset();
        change.message =
            Say(Ui(),
                elements.size() == 1
                    ? TR_NOOP("Core", "New reading plan made from %1: %2 assignment \u2014 Ctrl+Z to undo")
                    : TR_NOOP("Core", "New reading plan made from %1: %2 assignments \u2014 Ctrl+Z to undo"),
                {FileNameOf(path), std::to_string(elements.size())});
        UpdateAllViews(nullptr, kHintFirstUnfinished);
    }
    // Whatever else left the plan empty is said, so that it is not taken for a fault.
    if (elements.empty()) Ui().MessageBox({path + kNoReadingsMessage, MbButtons::ok, MbIcon::exclamation, 0});
    return true;
}

// --- generation ----------------------------------------------------------------

PlanSettings CReadingPlanDoc::Settings() const {
    PlanSettings s;
    s.repeatBooks = repeatBooks;
    s.divideBy = divideBy;
    s.planLengthDays = planLengthDays;
    s.readOnWeekday = readOnWeekday;
    s.startDate = startDate;
    return s;
}

void CReadingPlanDoc::AppendGenerated(std::vector<CPlanElement>&& made) {
    ++finishedSerial_;
    elements.reserve(std::min(elements.size() + made.size(), kMaxAssignments));
    for (CPlanElement& e : made) {
        if (elements.size() >= kMaxAssignments) break;
        for (const VerseRange& r : e.Ranges())
            MarkRangeInPlan(r.start, r.end);
        elements.push_back(std::move(e));
    }
    planDirty = true;
}

void CReadingPlanDoc::BuildPlan(const SectionBooks& sectionBooks, IProgress* progress) {
    AppendGenerated(::BuildPlan(Settings(), sectionBooks, progress));
}

void CReadingPlanDoc::ApplyTemplateFields(const CPlanTemplate& t) {
    templateTitle = t.templateTitle;
    templateFormat = t.templateFormat;
    templateDescription = t.templateDescription;
    repeatBooks = t.repeatBooks;
    sectionCount = t.sectionCount;
    divideBy = t.divideBy;
    readOnWeekday = t.readOnWeekday;
    planLengthDays = t.PlanLengthDays();
}

void CReadingPlanDoc::ImportTextPlan(std::string_view bytes, IProgress* progress) {
    ImportParsedPlan(ParseTextImport(bytes, progress), progress);
}

void CReadingPlanDoc::ImportParsedPlan(TextImport import, IProgress* progress) {
    ApplyTemplateFields(import.fields);
    if (import.hasSectionTable) {
        if (progress) {
            progress->SetRange(static_cast<int>(import.fields.bookSection.size()));
            progress->SetPos(1);
        }
        BuildPlan(SectionBooksFrom(import.fields.bookSection), progress);
    } else {
        DateAssignments(import.assignments, Settings(), progress);
        AppendGenerated(std::move(import.assignments));
    }
    planDirty = true;
}

void CReadingPlanDoc::GenerateFromTemplate(const CPlanTemplate& t, IProgress* progress) {
    ApplyTemplateFields(t);
    if (progress) {
        progress->SetRange(static_cast<int>(t.bookSection.size()));
        progress->SetPos(1);
    }
    BuildPlan(SectionBooksFrom(t.bookSection), progress);
    planDirty = true;
}
