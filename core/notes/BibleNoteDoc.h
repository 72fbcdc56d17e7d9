// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "BibleNoteMap.h"
#include "framework/Document.h"
#include "journal/Journal.h"

#include <map>
#include <memory>
#include <optional>

struct CReaderContext;
class CJournal;

// The verse notes of the open reader environment. It finds its file from the
// current reader (base directory + file stem + ".vnnot"), loads it when it is
// created and writes it, if changed, when it closes. It never asks to save.
class CBibleNoteDoc : public CDocument {
public:
    CBibleNoteDoc(IUiServices& ui, CReaderContext& context);
    ~CBibleNoteDoc() override;

    void SetNote(uint16_t index, const std::string& text);
    void DeleteNote(uint16_t index);
    std::string_view GetNote(uint16_t index) const { return map_.GetNote(index); }
    uint16_t NextNoted(uint16_t index) const { return map_.NextNoted(index); }
    uint16_t PreviousNoted(uint16_t index) const { return map_.PreviousNoted(index); }
    uint16_t MinNoted() const { return map_.MinNoted(); }
    uint16_t MaxNoted() const { return map_.MaxNoted(); }
    const CBibleNoteMap& Map() const { return map_; }

    const CReaderContext& Context() const { return context_; }
    std::string NotesPath() const;
    std::string MakeTitle() const;

    // Fills the document from the reader's notes file, if there is one. A
    // damaged file is reported and kept aside; the notes then start empty.
    bool OnNewDocument() override;
    // Commits what the views show, then writes the file if changed.
    void OnCloseDocument() override;
    // Writes the file if changed; the notes stay in memory.
    void DeleteContents() override;
    // Save Verse Notes: what the views show goes into the notes, then the
    // file is written if changed. False when it could not be written.
    bool SaveVerseNotes();
    void CommitViews();
    // Another writer (a merge) added to this reader's journal: the next entry reads its numbers again.
    void JournalWrittenElsewhere();
    void Serialize(CArchive& ar) override;
    uint64_t MaxFileBytes() const override;

private:
    bool Write(bool onlyIfModified);

    CReaderContext& context_;
    CBibleNoteMap map_;
    bool damagedFileInPlace_ = false;
    bool closing_ = false;
    // The reader's journal, the file as the disk holds it, and the verses changed since.
    std::unique_ptr<CJournal> journal_;
    std::shared_ptr<const std::string> onDisk_;
    std::map<uint16_t, std::string> changed_;
    std::optional<CJournalEntry> pendingBaseline_;
};
