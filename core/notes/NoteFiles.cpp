// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoteFiles.h"

#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "journal/RecordedFile.h"

#include <vector>

#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "framework/ReaderContext.h"
#include "framework/UiServices.h"

#include <filesystem>

bool MoveDamagedFileBeforeWriting(IUiServices& ui, const std::string& path) {
    if (!FileExists(path) || !KeepAside(path).empty()) return true;
    ReportError(ui, SaveErrorMessage(CFileException(CFileException::accessDenied, path), path));
    return false;
}

void RemakeReaderDirectory(const CReaderContext& context, const std::string& path) {
    if (context.fileStem.empty()) return;
    const std::filesystem::path readerDir =
        std::filesystem::path(JoinStem(context.baseDirectory, context.fileStem)).parent_path();
    if (readerDir.empty() || std::filesystem::path(path).parent_path() != readerDir) return;
    std::error_code ec;
    if (!std::filesystem::exists(readerDir, ec)) std::filesystem::create_directory(readerDir, ec);
}

std::unique_ptr<CJournal> JournalForNotes(const std::string& path) {
    if (path.empty()) return nullptr;
    const std::string dir = ParentDirectory(path);
    std::string stem = path;
    if (const size_t dot = stem.rfind('.'); dot != std::string::npos && dot > dir.size()) stem.erase(dot);
    auto journal = std::make_unique<CJournal>(dir, DeviceId());
    if (!FileExists(stem + ".vnpln") && !DirectoryExists(journal->Directory())) return nullptr;
    return journal;
}

void SaveVerseNotesFile(CJournal* journal, const std::string& path,
                        const std::shared_ptr<const std::string>& was, const std::string& bytes,
                        const std::map<uint16_t, std::string>& changed,
                        std::optional<CJournalEntry>* pending) {
    if (!journal) {
        SaveFileAtomic(path, bytes);
        return;
    }
    std::vector<CJournalEntry> entries;
    for (const auto& [verse, text] : changed) {
        CJournalEntry e;
        e.kind = "note";
        e.name = "Verse Note";
        e.verse = verse;
        e.text = text;
        entries.push_back(std::move(e));
    }
    // Saved unchanged (Ctrl+S): the file is written, and nothing happened to record.
    if (was && *was == bytes) {
        SaveFileAtomic(path, bytes);
        return;
    }
    if (entries.empty()) entries.emplace_back().kind = "save";
    CommitRecordedFile(*journal, path, was, bytes, entries, pending);
}

void SaveGeneralNotesFile(CJournal* journal, const std::string& path, const std::string& bytes) {
    if (!journal) {
        SaveFileAtomic(path, bytes);
        return;
    }
    std::shared_ptr<const std::string> was;
    try {
        was = std::make_shared<const std::string>(ReadWholeFile(path, kMaxNotesFileBytes));
    } catch (const CFileException& e) {
        if (e.cause != CFileException::fileNotFound) throw;
    }
    if (was && *was == bytes) {
        SaveFileAtomic(path, bytes);
        return;
    }
    std::vector<CJournalEntry> entries(1);
    entries[0].kind = "general-notes";
    entries[0].name = "General Notes";
    // Another computer takes the whole text, to keep both when both were changed.
    entries[0].state.emplace_back("general", bytes);
    CommitRecordedFile(*journal, path, was, bytes, entries);
}
