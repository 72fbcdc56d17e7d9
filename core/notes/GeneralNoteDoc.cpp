// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneralNoteDoc.h"

#include "GeneralNoteViewBase.h"
#include "NoteFiles.h"
#include "NoteText.h"
#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/DocumentFiles.h"
#include "framework/ReaderContext.h"
#include "framework/RescueFile.h"
#include "framework/UiServices.h"
#include "journal/Journal.h"

#include <stdexcept>
#include <utility>

namespace {

constexpr const char* kTextFilter = "Text File (*.txt)|*.txt||";

std::pair<std::string, std::string> SplitPath(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {std::string(), path};
    return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
}

// Reads a general notes file, refusing one too large for the editor.
std::string ReadNotesFile(const std::string& path) {
    try {
        return ReadWholeFile(path, kMaxGeneralNotesBytes);
    } catch (const CFileException& e) {
        if (e.cause != CFileException::tooLarge) throw;
        throw std::length_error(path + " is too large to open as general notes (more than 16 MB).");
    }
}

std::string LoadMessage(const std::exception& e, const std::string& path) {
    if (dynamic_cast<const std::length_error*>(&e)) return e.what();
    return LoadErrorMessage(e, path);
}

} // namespace

CGeneralNoteDoc::CGeneralNoteDoc(IUiServices& ui, CReaderContext& context)
    : CDocument(ui), context_(context) {
    MapCommand(Cmd::FileOpen, [this] { OnFileOpen(); });
    MapCommand(Cmd::FileSave, [this] { OnFileSave(); });
    MapCommand(Cmd::FileSaveAs, [this] { OnFileSaveAs(); });
    MapCommand(Cmd::CloseDocumentWindow, [] {});
}

CGeneralNoteViewBase* CGeneralNoteDoc::TextView() const {
    for (CView* v : GetViews())
        if (auto* textView = dynamic_cast<CGeneralNoteViewBase*>(v)) return textView;
    return nullptr;
}

std::string CGeneralNoteDoc::GetText() const {
    CGeneralNoteViewBase* view = TextView();
    return view ? view->EditorText() : heldText_;
}

void CGeneralNoteDoc::SetText(const std::string& text) {
    if (CGeneralNoteViewBase* view = TextView()) {
        view->SetEditorText(text);
        heldText_.clear();
    } else {
        heldText_ = text;
    }
}

std::string CGeneralNoteDoc::TakeHeldText() {
    return std::exchange(heldText_, std::string());
}

void CGeneralNoteDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        std::string bytes = StoredTextFromEditor(GetText());
        ar.Write(bytes.data(), bytes.size());
        return;
    }
    std::string bytes(ar.Remaining(), '\0');
    ar.Read(bytes.data(), bytes.size());
    SetText(EditorTextFromStored(bytes));
}

void CGeneralNoteDoc::Attach(const std::string& path) {
    // Notes opened beside the environment are no reader's: their path is not
    // the reader's, and their title names no reader.
    const CShownForms& forms = Ui().Forms();
    const std::string title =
        environmentNotes_ ? Substitute(forms.Text(PossessiveForm(context_.displayName,
                                                                 TR_NOOP("Core", "%1' General Notes: %2"),
                                                                 TR_NOOP("Core", "%1's General Notes: %2"))),
                                       {context_.displayName, FileNameOf(path)})
                          : Substitute(forms.Text(TR_NOOP("Core", "General Notes: %1")), {FileNameOf(path)});
    SetPathName(path);
    if (addToRecentFiles) addToRecentFiles(path);
    if (environmentNotes_) context_.generalNotesPath = path;
    SetModifiedFlag(false);
    title_ = title;
    SetTitle(title);
    UpdateAllViews(nullptr);
}

bool CGeneralNoteDoc::OnNewDocument() {
    CDocument::OnNewDocument();
    environmentNotes_ = true;
    SetText({});
    Attach(context_.generalNotesPath);
    return true;
}

bool CGeneralNoteDoc::OnOpenDocument(const std::string& path) {
    // The environment opening its own notes: a file that cannot be read must
    // not keep the environment from opening.
    if (GetPathName().empty() && !context_.displayName.empty() && path == context_.generalNotesPath)
        return OpenForEnvironment();
    try {
        std::string bytes = ReadNotesFile(path);
        CArchive ar(std::move(bytes), FileNameOf(path));
        Serialize(ar);
    } catch (const std::exception& e) {
        ReportError(Ui(), LoadMessage(e, path));
        return false;
    }
    SetModifiedFlag(false);
    Attach(path);
    return true;
}

bool CGeneralNoteDoc::OpenForEnvironment() {
    environmentNotes_ = true;
    const std::string path = context_.generalNotesPath;
    std::string bytes;
    try {
        bytes = ReadNotesFile(path);
    } catch (const CFileException& e) {
        if (e.cause == CFileException::fileNotFound) return OnNewDocument();
        // Not read is not damaged: nothing is moved, and the notes are not opened.
        ReportError(Ui(), LoadMessage(e, path));
        return false;
    } catch (const std::exception& e) {
        ReportError(Ui(), LoadMessage(e, path));
        return false;
    }
    try {
        CArchive ar(std::move(bytes), FileNameOf(path));
        Serialize(ar);
        SetModifiedFlag(false);
        Attach(path);
    } catch (const std::exception& e) {
        OnNewDocument();
        if (!ReportAndKeepAside(Ui(), LoadMessage(e, path), path,
                                TR_NOOP("Core", "the general notes start empty")))
            damagedPath_ = path;
    }
    return true;
}

bool CGeneralNoteDoc::SaveTo(const std::string& path) {
    if (path.empty()) return false;
    if (!damagedPath_.empty() && path == damagedPath_) {
        if (!MoveDamagedFileBeforeWriting(Ui(), path)) return false;
        damagedPath_.clear();
    }
    try {
        RemakeReaderDirectory(context_, path);
        // The reader's own notes are recorded in the reader's journal, wherever the reader keeps them.
        std::unique_ptr<CJournal> journal;
        if (environmentNotes_ && path == context_.generalNotesPath && !context_.fileStem.empty())
            journal = std::make_unique<CJournal>(
                ParentDirectory(JoinStem(context_.baseDirectory, context_.fileStem)), DeviceId());
        SaveGeneralNotesFile(journal.get(), path, StoredTextFromEditor(GetText()));
    } catch (const std::exception& e) {
        ReportError(Ui(), SaveErrorMessage(e, path));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CGeneralNoteDoc::Save() {
    return SaveTo(GetPathName());
}

bool CGeneralNoteDoc::SaveIfModified() {
    return !IsModified() || Save();
}

void CGeneralNoteDoc::OnCloseDocument() {
    // The window goes away with the text: what cannot be saved is kept elsewhere.
    if (!SaveIfModified()) RescueUnsavedBytes(Ui(), GetPathName(), StoredTextFromEditor(GetText()));
    CDocument::OnCloseDocument();
}

std::optional<std::string> CGeneralNoteDoc::ChooseNotesFile(bool open) {
    auto [dir, name] = SplitPath(GetPathName());
    FileDialogRequest request;
    request.open = open;
    request.defaultExtension = "txt";
    request.defaultFileName = name;
    request.startDirectory = dir;
    request.filter = kTextFilter;
    // Save As asks about an existing file itself, after it has made sure the file may be taken.
    request.confirmOverwrite = open;
    return Ui().ChooseFile(request);
}

bool CGeneralNoteDoc::MayTake(const std::string& path, bool saving) {
    const std::vector<std::string> held =
        filesHeldElsewhere ? filesHeldElsewhere() : std::vector<std::string>();
    const std::string why = RefuseFileForText(path, GetPathName(), held, saving);
    if (why.empty()) return true;
    Ui().MessageBox({why, MbButtons::ok, MbIcon::exclamation, 0});
    return false;
}

void CGeneralNoteDoc::OnFileSaveAs() {
    auto chosen = ChooseNotesFile(false);
    if (!chosen || !MayTake(*chosen, true)) return;
    if (FileExists(*chosen) && !SameFile(*chosen, GetPathName()) &&
        Ui().MessageBox(
            {FileNameOf(*chosen) + kReplaceFileQuestion, MbButtons::yesNo, MbIcon::exclamation, 1}) != IDYES)
        return;
    // A failed write leaves the notes as they are, modified, on their old path.
    if (!SaveTo(*chosen)) return;
    SetModifiedFlag(false);
    OnOpenDocument(*chosen);
}

void CGeneralNoteDoc::OnFileOpen() {
    auto chosen = ChooseNotesFile(true);
    if (!chosen || !MayTake(*chosen, false)) return;
    auto size = FileSize(*chosen);
    if (!size || *size == 0) return;

    if (IsModified()) {
        int answer =
            Ui().MessageBox({"The current General Note file has been modified\nDo you wish to save it?",
                             MbButtons::yesNo, MbIcon::question, 0});
        // If the old notes could not be written, they are not given up for the new file.
        if (answer == IDYES && !SaveTo(GetPathName())) return;
    }
    bool wasModified = IsModified();
    SetModifiedFlag(false);
    // The chosen file could not be read: the text on screen stays, and so does its mark.
    if (!OnOpenDocument(*chosen)) SetModifiedFlag(wasModified);
}
