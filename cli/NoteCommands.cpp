// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliLock.h"
#include "CliText.h"

#include "foundation/Archive.h"
#include "foundation/Decimal.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/TextCodec.h"
#include "framework/DocumentFiles.h"
#include "journal/Journal.h"
#include "notes/BibleNoteMap.h"
#include "notes/NoteFiles.h"
#include "notes/NoteText.h"
#include "reader/LookingPaths.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <charconv>
#include <map>
#include <memory>
#include <ostream>

namespace {

// Loads a notes file; a missing file is an empty map. False (with the
// message on err) when the file cannot be read; it is left as it is.
bool LoadNotes(const std::string& path, CBibleNoteMap& map, std::ostream& err,
               std::shared_ptr<const std::string>* kept = nullptr) {
    try {
        std::string bytes = ReadWholeFile(path, kMaxNotesFileBytes);
        if (kept) *kept = std::make_shared<const std::string>(bytes);
        CArchive ar(std::move(bytes), FileNameOf(path));
        map.Serialize(ar);
        return true;
    } catch (const CFileException& e) {
        if (e.cause == CFileException::fileNotFound) return true;
        err << "scrivane-cli: " << CliMessage(LoadErrorMessage(e, path)) << "\n";
        return false;
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(LoadErrorMessage(e, path)) << "\n";
        return false;
    }
}

void AppendReference(std::string& out, uint16_t index) {
    CBible& bible = TheBible();
    if (bible.IsValidVerseIndex(index)) bible.AppendReferenceTextAt(out, index);
}

std::string Reference(uint16_t index) {
    std::string text;
    AppendReference(text, index);
    return text;
}

bool Refuse(const std::string& why, std::ostream& err) {
    if (why.empty()) return false;
    err << "scrivane-cli: " << CliMessage(why) << "\n";
    return true;
}

int NotesShow(const CliArgs& args, std::ostream& out, std::ostream& err) {
    // Read as an unfinished Edit Reader will leave the reader's files.
    const std::string path = PathForLooking(args[0]);
    if (Refuse(MissingFileMessage(path), err)) return 1;
    CDirectoryLock lock;
    if (!LockForCommand(lock, ParentDirectory(path), false, err)) return 1;
    CBibleNoteMap map;
    if (!LoadNotes(path, map, err)) return 1;
    out << "notes\t" << map.GetCount() << "\tfirst\t" << map.MinNoted() << "\tlast\t" << map.MaxNoted()
        << '\n';
    // A full file is over a megabyte of lines.
    CCliListing listing(out);
    CBible& bible = TheBible();
    const size_t lead = 8 + bible.ReferenceTextRoom(); // the index, two TABs and the reference
    for (uint16_t index : map.IterationOrder()) {
        char* p = listing.Room(lead);
        p = WriteDecimal(p, index);
        *p++ = '\t';
        if (bible.IsValidVerseIndex(index)) p = bible.WriteReferenceTextAt(p, index);
        *p++ = '\t';
        listing.Advance(p);
        const std::string_view note = map.GetNote(index);
        if (IsPlainCliText(note)) {
            listing.Append(note);
        } else {
            std::string field;
            AppendCliField(field, IsValidUtf8(note) ? std::string_view(note)
                                                    : std::string_view(Windows1252ToUtf8(note)));
            listing.Append(field);
        }
        listing.Append('\n');
    }
    listing.Flush();
    return 0;
}

int NotesSet(const CliArgs& args, std::ostream& out, std::ostream& err) {
    uint16_t index = 0;
    std::string reason;
    if (!ParseOneVerseArgument(args[1], index, reason)) return UsageError(err, reason);
    if (Refuse(MissingDirectoryMessage(args[0]), err)) return 1;
    CDirectoryLock lock;
    if (!LockForCommand(lock, ParentDirectory(args[0]), true, err)) return 1;
    const std::unique_ptr<CJournal> journal = JournalForNotes(args[0]);
    if (std::string why; journal && !journal->Recover(&why)) {
        err << "scrivane-cli: " << CliMessage(why) << "\n";
        return 1;
    }
    CBibleNoteMap map;
    std::shared_ptr<const std::string> was;
    if (!LoadNotes(args[0], map, err, &was)) return 1;
    const std::string text = StoredTextFromEditor(args.size() > 2 ? args[2] : std::string());
    const bool changed = map.GetNote(index) != text;
    map.SetNote(index, text);
    try {
        CArchive ar;
        map.Serialize(ar);
        std::map<uint16_t, std::string> changes;
        if (changed) changes[index] = text;
        SaveVerseNotesFile(journal.get(), args[0], was, ar.Bytes(), changes);
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(SaveErrorMessage(e, args[0])) << "\n";
        return 1;
    }
    out << index << '\t' << Reference(index) << '\n';
    return 0;
}

int Notes(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "show") return NotesShow({args[1]}, out, err);
    if ((args.size() == 3 || args.size() == 4) && args[0] == "set")
        return NotesSet(CliArgs(args.begin() + 1, args.end()), out, err);
    return UsageError(err, "notes show FILE | notes set FILE REFERENCE [TEXT]");
}

CliRegistration notesCommand("notes", Notes, "notes show FILE.vnnot | notes set FILE.vnnot REFERENCE [TEXT]");

} // namespace
