// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct CReaderContext;
class CGeneralNoteViewBase;

// Larger files are not taken as general notes: the editor would hold them whole.
inline constexpr uint64_t kMaxGeneralNotesBytes = 16u << 20;

// The general notes of the open reader environment: a plain text file whose
// path the current reader keeps. The text lives in the editor of the first
// view; until a view is attached the document holds it.
class CGeneralNoteDoc : public CDocument {
public:
    CGeneralNoteDoc(IUiServices& ui, CReaderContext& context);

    const CReaderContext& Context() const { return context_; }
    const std::string& GetStoredTitle() const { return title_; }

    // The environment's way in: opens the reader's general notes file if it
    // exists, else starts empty at that path. A file that cannot be read (no
    // access, an I/O error, too large, not a regular file) is reported and
    // nothing is opened (false); it is not moved.
    bool OpenForEnvironment();
    bool OnNewDocument() override;
    // Reads path into the editor and attaches it. The first opening of the
    // environment's own file goes the way of OpenForEnvironment.
    bool OnOpenDocument(const std::string& path) override;
    // Saves changed notes before the document goes.
    void OnCloseDocument() override;
    void Serialize(CArchive& ar) override;

    void Attach(const std::string& path);
    bool SaveTo(const std::string& path);
    bool Save();
    bool SaveIfModified();

    // Open General Notes, Save General Notes, Save General Notes As.
    void OnFileOpen();
    void OnFileSave() { Save(); }
    void OnFileSaveAs();

    // The text in the editor's form (UTF-8, \n).
    std::string GetText() const;
    void SetText(const std::string& text);
    // The text read before any view was attached; a view takes it once.
    std::string TakeHeldText();

    // Told each path the document takes, for the recent-file list.
    std::function<void(const std::string&)> addToRecentFiles;
    // The files the other open documents hold, which this one may not take.
    std::function<std::vector<std::string>()> filesHeldElsewhere;
    // Whether these are the open environment's notes, whose path the reader keeps.
    bool IsEnvironmentNotes() const { return environmentNotes_; }

private:
    CGeneralNoteViewBase* TextView() const;
    // The file dialog of Open and Save As, starting at the current file.
    std::optional<std::string> ChooseNotesFile(bool open);
    // False, after telling the user why, when path may not become this document's file.
    bool MayTake(const std::string& path, bool saving);

    CReaderContext& context_;
    std::string title_;
    std::string heldText_;
    std::string damagedPath_; // a file that failed to load and is still in place
    bool environmentNotes_ = false;
};
