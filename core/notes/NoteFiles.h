// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/RescueFile.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

class CJournal;
struct CJournalEntry;

class IUiServices;
struct CReaderContext;

// Before a document writes over a file that once failed to load and could
// not be moved then: tries again. False (with the save message shown) when
// the file is still in the way.
bool MoveDamagedFileBeforeWriting(IUiServices& ui, const std::string& path);

// Makes the reader's directory again when it went away while the environment
// was open and path lies in it, so that the notes can still be written.
void RemakeReaderDirectory(const CReaderContext& context, const std::string& path);

// The journal of the reader whose notes file path is (a file beside the reader's plan, or in a
// directory that keeps a journal); null for notes kept anywhere else.
std::unique_ptr<CJournal> JournalForNotes(const std::string& path);

// Writes a verse notes file; with a journal, an entry for each verse whose note changed goes with it
// in the same commit. was: the file's bytes before (null: no file). Throws as SaveFileAtomic.
void SaveVerseNotesFile(CJournal* journal, const std::string& path,
                        const std::shared_ptr<const std::string>& was, const std::string& bytes,
                        const std::map<uint16_t, std::string>& changed,
                        std::optional<CJournalEntry>* pending = nullptr);
// Writes the general notes; with a journal, recorded as a change of the general notes.
void SaveGeneralNotesFile(CJournal* journal, const std::string& path, const std::string& bytes);
