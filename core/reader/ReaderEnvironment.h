// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ReaderArray.h"
#include "ReaderData.h"
#include "framework/ReaderContext.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class IUiServices;

// Which document windows a new reader starts with shown (the others start
// minimized).
struct ReaderOptions {
    bool readingPlan = true;
    bool verseNotes = true;
    bool generalNotes = true;
    bool prayerBook = true;
};

// The names as typed in the New or Edit Reader dialog.
struct ReaderNames {
    std::string firstName;
    std::string lastName;
    std::string nickname;
};

// "\Bob (John Smith)", "\Bob (John)", "\Maria": a reader's directory, relative
// to the base directory, from its display name and the names as typed, those
// left blank left out. Readers made before keep the directory their file stem
// names.
std::string ReaderDirectoryName(const ReaderNames& names, const std::string& displayName);
// The name of a reader's files, without extension: the display name without
// the full stops at its end, which would double the extension's.
std::string ReaderFileName(const std::string& displayName);

// The reader environments that outlive any window: all reader records, the
// open environment's working copy, the reader closed last and the base
// directory. The flows ask their questions through IUiServices.
class CReaderEnvironment {
public:
    explicit CReaderEnvironment(IUiServices& ui) : ui_(ui) {}

    CReaderArray& Readers() { return readers_; }
    const CReaderArray& Readers() const { return readers_; }
    std::string& LastReader() { return lastReader_; }
    const std::string& LastReader() const { return lastReader_; }

    const std::string& BaseDirectory() const { return context_.baseDirectory; }
    void SetBaseDirectory(const std::string& dir) { context_.baseDirectory = dir; }
    // The path of the reader file in the base directory.
    std::string ReaderFilePath() const;

    // Empty while no environment is open.
    const std::string& CurrentDisplayName() const { return currentDisplayName_; }
    bool IsOpen() const { return !currentDisplayName_.empty(); }
    const CReaderData& CurrentReader() const { return current_; }
    void SetCurrentGeneralNotesPath(const std::string& path);
    // What the documents read; kept current by this object.
    const CReaderContext& Context() const { return context_; }
    CReaderContext& Context() { return context_; }
    int ApocryphaPreference() const { return 0; }

    // The Select Reader list: display names in collection order, and the item
    // to preselect (the highest whose name is the last reader; -1 if none).
    std::vector<std::string> ReaderList() const;
    int LastReaderIndex() const;

    // Why these names cannot make a reader directory; empty when they can.
    // field, when given, receives the name to mend: 0 first, 1 last, 2 nickname.
    static std::string CheckNames(const ReaderNames& names, int* field = nullptr);
    // CheckNames, and also why these names would give a reader the same names
    // or the same display name as another one. editing is the display name of
    // the reader being edited (empty for a new reader); its own names, given
    // back unchanged, are no fault.
    std::string CheckReaderNames(const ReaderNames& names, const std::string& editing,
                                 int* field = nullptr) const;

    // Why the record's stored file stem or general notes path must not be
    // used for any file operation (a crafted reader file could lead outside
    // the base directory); empty when they may. forEdit also refuses a
    // symbolic link in place of the reader's directory, which Edit would
    // otherwise rename files through.
    std::string CheckRecordPaths(const CReaderData& r, bool forEdit = false) const;

    // After loading a reader file: readers that share a display name get
    // unique ones (the later records), and the user is told. Returns how many
    // were renamed.
    int MakeDisplayNamesUnique();
    // Before the Edit Reader dialog: false, and the user told why, when the
    // reader cannot be edited at all.
    bool CanEditReader(const std::string& displayName);

    // Each returns the collection index to select afterwards, or -1 when
    // nothing changed (refused, answered No, or failed; the user was told).
    int CreateReader(const ReaderNames& names, const ReaderOptions& options);
    int ModifyReader(const std::string& displayName, const ReaderNames& names);
    // True when the record was removed.
    bool DeleteReader(const std::string& displayName);

    // Removes path and everything below it, except entries whose names begin
    // with a dot. Symbolic links are removed, never followed. False when
    // anything could not be removed.
    static bool DeleteDirectoryTree(const std::string& path);

    // OK in the Select Reader dialog: the record at index becomes the current
    // reader. False (nothing opened) for an index outside the collection.
    bool SelectReader(int index);
    // The general notes path of r as read in this base directory. The reader
    // file keeps it as a full path, so after the base directory was copied or
    // moved it still names the old tree: a path in the reader's own directory
    // of another base directory names the same file in this one. A file the
    // reader chose elsewhere keeps its path.
    std::string GeneralNotesPathHere(const CReaderData& r) const;
    bool GeneralNotesFileExists() const;

    // The close flow. The slot of a document window comes from the length of
    // its type's window-title substring; 0 for none.
    static int SlotForWindowTitle(const std::string& windowTitle);
    // Stores a window's placement (the default one when it could not be read).
    void StorePlacement(int slot, const std::optional<WindowPlacement>& placement);
    // Copies the current reader back into the collection, remembers it as the
    // last reader and leaves no environment open.
    void FinishClose();
    void StoreCurrentReader();

private:
    // A change of a reader's names as ModifyReader plans it, before any file
    // is touched: the reader array after it, and the renames that carry it.
    struct ReaderChange {
        CReaderArray readers;
        int index = -1;
        std::string oldFull, newFull; // the reader's directory before and after
        bool movesDirectory = false;  // else newFull is made when missing
        std::string newName;          // the files' new name
        std::vector<std::pair<std::string, std::string>> fileRenames;
        std::string notRenamed; // files left with their old name, a line each
    };
    ReaderChange PlanReaderChange(const CReaderData& r, const CReaderData& changed, const ReaderNames& names,
                                  const std::string& displayName) const;
    // Makes the renames and writes the reader file as one commit; -1 (and the
    // user told) when nothing was changed.
    int CommitReaderChange(ReaderChange change);
    std::string ReaderDirectoryOf(const CReaderData& r) const;
    std::string FullPath(const std::string& relative) const;

    IUiServices& ui_;
    CReaderArray readers_;
    std::string lastReader_;
    std::string currentDisplayName_;
    CReaderData current_;
    CReaderContext context_;
};
