// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Journal.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class IUiServices;

inline constexpr const char* kJournalDisagrees =
    " does not agree with the files it records (another program or another computer may have changed "
    "them).\nThe files are kept as they are and the journal goes on from them; Undo cannot reach back past "
    "this point.";

// How a document's files stand against the journal when they are opened.
enum class JournalCheck { agrees, started, disagrees };

// Compares the journal's last record of each file (key, fingerprint as loaded) with the file. A
// disagreement is reported and a baseline entry written at once; a file the journal does not know
// yet gets its baseline with the first change (in pending), so that opening writes nothing.
// Throws when the baseline cannot be written.
JournalCheck CheckJournal(IUiServices& ui, CJournal& journal, const std::vector<CJournalEntry>& tail,
                          const std::vector<std::pair<std::string, std::string>>& prints,
                          std::optional<CJournalEntry>* pending);

// Replaces path with bytes and adds the entries to the journal in one commit; the last entry
// carries the file's change (under the file's name) from was (null: no file) to bytes, and a
// pending baseline goes first. Throws as CFileTransaction::Commit.
void CommitRecordedFile(CJournal& journal, const std::string& path,
                        const std::shared_ptr<const std::string>& was, const std::string& bytes,
                        std::vector<CJournalEntry>& entries, std::optional<CJournalEntry>* pending = nullptr);
