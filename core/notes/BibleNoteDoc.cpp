// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibleNoteDoc.h"

#include "BibleNoteViewBase.h"
#include "NoteFiles.h"
#include "NoteText.h"
#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/ReaderContext.h"
#include "framework/RescueFile.h"
#include "framework/UiServices.h"
#include "journal/RecordedFile.h"
#include "scripture/Bible.h"

namespace {
// Far enough back to find the notes file's last entry among the plan's daily ones.
constexpr size_t kJournalTail = 400;
} // namespace

CBibleNoteDoc::~CBibleNoteDoc() = default;

CBibleNoteDoc::CBibleNoteDoc(IUiServices& ui, CReaderContext& context) : CDocument(ui), context_(context) {
    MapCommand(Cmd::SaveVerseNotes, [this] { SaveVerseNotes(); });
    // Ctrl+S is the framework's save: it stores the notes whether changed or not.
    MapCommand(Cmd::FileSave, [this] {
        CommitViews();
        Write(false);
    });
    MapCommand(Cmd::CloseDocumentWindow, [] {});
}

void CBibleNoteDoc::SetNote(uint16_t index, const std::string& text) {
    // The notes window sets the note it shows whenever it moves or closes;
    // the same words again are no change, and leave the file unwritten.
    if (map_.GetNote(index) == text) return;
    map_.SetNote(index, text);
    changed_[index] = text;
    SetModifiedFlag(true);
}

void CBibleNoteDoc::DeleteNote(uint16_t index) {
    if (map_.GetNote(index).empty()) return;
    map_.SetNote(index, {});
    changed_[index].clear();
    SetModifiedFlag(true);
}

std::string CBibleNoteDoc::NotesPath() const {
    // Without a stem every such reader would share one ".vnnot" in the base directory.
    if (context_.fileStem.empty()) return {};
    return JoinStem(context_.baseDirectory, context_.fileStem + ".vnnot");
}

std::string CBibleNoteDoc::MakeTitle() const {
    return Substitute(
        Ui().Forms().Text(PossessiveForm(context_.displayName, TR_NOOP("Core", "%1' Bible Verse Keyed Notes"),
                                         TR_NOOP("Core", "%1's Bible Verse Keyed Notes"))),
        {context_.displayName});
}

uint64_t CBibleNoteDoc::MaxFileBytes() const {
    return kMaxNotesFileBytes;
}

bool CBibleNoteDoc::OnNewDocument() {
    CDocument::OnNewDocument();
    std::string path = NotesPath();
    SetPathName(path);
    TheBible();
    damagedFileInPlace_ = false;
    // A save of the notes with its journal entry that a crash interrupted is finished first.
    journal_ = JournalForNotes(path);
    if (std::string why; journal_ && !journal_->Recover(&why))
        ReportError(Ui(), why + "\n" + TR_NOOP("Core", "The verse notes are read as they are."));
    // What a crash left half written goes now, not only at the next save.
    if (!path.empty()) RemoveStaleTemporaries(path);
    std::string bytes;
    bool present = true;
    try {
        bytes = ReadWholeFile(path, MaxFileBytes());
    } catch (const CFileException& e) {
        present = false;
        if (e.cause != CFileException::fileNotFound) {
            // Not read is not damaged: nothing is moved, and the notes are not opened.
            ReportError(Ui(), LoadErrorMessage(e, path));
            return false;
        }
    }
    pendingBaseline_.reset();
    onDisk_.reset();
    changed_.clear();
    if (present) {
        try {
            auto kept = std::make_shared<const std::string>(bytes);
            CArchive ar(std::move(bytes), FileNameOf(path));
            Serialize(ar);
            onDisk_ = std::move(kept);
        } catch (const std::exception& e) {
            map_.Reset();
            damagedFileInPlace_ = !ReportAndKeepAside(Ui(), LoadErrorMessage(e, path), path,
                                                      TR_NOOP("Core", "the verse notes start empty"));
        }
    }
    if (damagedFileInPlace_) journal_.reset();
    if (journal_) {
        try {
            CheckJournal(Ui(), *journal_, journal_->ReadTail(kJournalTail),
                         {{FileNameOf(path), Fingerprint(onDisk_.get())}}, &pendingBaseline_);
        } catch (const std::exception& e) {
            ReportError(Ui(), SaveErrorMessage(e, journal_->Path()) +
                                  "\nNotes are saved, but not recorded in the reading journal.");
            journal_.reset();
        }
    }
    SetTitle(MakeTitle());
    SetModifiedFlag(false);
    return true;
}

void CBibleNoteDoc::CommitViews() {
    for (CView* v : GetViews())
        if (auto* noteView = dynamic_cast<CBibleNoteViewBase*>(v)) noteView->CommitNote();
}

void CBibleNoteDoc::OnCloseDocument() {
    CommitViews();
    closing_ = true;
    CDocument::OnCloseDocument();
}

void CBibleNoteDoc::JournalWrittenElsewhere() {
    if (journal_) journal_->ForgetNumbers();
}

void CBibleNoteDoc::DeleteContents() {
    Write(true);
}

bool CBibleNoteDoc::SaveVerseNotes() {
    // The note being typed is saved too, not only those the user moved away from.
    CommitViews();
    return Write(true);
}

bool CBibleNoteDoc::Write(bool onlyIfModified) {
    if (onlyIfModified && !IsModified()) return true;
    // A notes file opened by name is written back to itself, never over the reader's own.
    std::string path = GetPathName().empty() ? NotesPath() : GetPathName();
    CArchive ar;
    Serialize(ar);
    if (path.empty()) {
        if (closing_) RescueUnsavedBytes(Ui(), path, ar.Bytes());
        return false;
    }
    if (damagedFileInPlace_) {
        if (!MoveDamagedFileBeforeWriting(Ui(), path)) {
            if (closing_) RescueUnsavedBytes(Ui(), path, ar.Bytes());
            return false;
        }
        damagedFileInPlace_ = false;
    }
    try {
        RemakeReaderDirectory(context_, path);
        // A notes file opened by name is no reader's own, and goes unrecorded.
        CJournal* journal = path == NotesPath() ? journal_.get() : nullptr;
        auto bytes = std::make_shared<const std::string>(ar.Bytes());
        SaveVerseNotesFile(journal, path, onDisk_, *bytes, changed_, &pendingBaseline_);
        if (journal) onDisk_ = std::move(bytes);
        changed_.clear();
        SetModifiedFlag(false);
        return true;
    } catch (const std::exception& e) {
        ReportError(Ui(), SaveErrorMessage(e, path));
        // Closing: the notes go away, so they must be kept somewhere.
        if (closing_) RescueUnsavedBytes(Ui(), path, ar.Bytes());
        return false;
    }
}

void CBibleNoteDoc::Serialize(CArchive& ar) {
    map_.Serialize(ar);
}
