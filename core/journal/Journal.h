// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CFileTransaction;

// The reading journal: every change to a reader's plan, history and notes, as
// one line of JSON appended to journal/DEVICE.jsonl in the reader's directory,
// in the same commit as the files it changes. An entry says when, where and
// what (the verses read, the assignments finished, a note's text) and holds
// the change to each file's bytes, so that it can be undone exactly.

using VerseRanges = std::vector<std::pair<uint16_t, uint16_t>>;

// Bytes at offset that were before and are after; the two have the same length
// unless the hunk is a file's only one. A change scattered over many places (dates
// moved throughout a plan) is one hunk of the two sides XORed together, in before,
// which leads both ways.
struct JournalHunk {
    uint64_t offset = 0;
    std::string before;
    std::string after;
    bool xorred = false;
};

// One file's change: which file ("plan", "history", "notes", "general"), its
// fingerprints around the change, and the hunks that lead from one to the other.
struct JournalFileChange {
    std::string file;
    std::string before;
    std::string after;
    std::vector<JournalHunk> hunks;
};

struct CJournalEntry {
    uint64_t seq = 0;   // this device's count, from 1
    uint64_t clock = 0; // orders entries of several devices; above every clock this device has seen
    std::string device;
    std::string time;                // local, YYYY-MM-DDTHH:MM:SS; shown, never used for order
    std::string kind;                // see JournalKindOf
    std::string name;                // the step as the Edit menu names it
    int element = -1;                // the assignment the step was made on
    uint64_t undoes = 0;             // undo and redo: the seq of the change taken back or made again
    VerseRanges read;                // plan read flags set
    VerseRanges lifetime;            // verses whose lifetime count rose by one
    std::vector<uint32_t> done;      // assignments that became finished
    std::vector<uint32_t> undone;    // assignments that became unfinished
    int verse = -1;                  // a verse note's verse
    std::optional<std::string> text; // its new text (empty: cleared)
    std::vector<JournalFileChange> files;
    // What another computer needs to make the same change: the plan it was made on (see PlanId),
    // the Enter Reading mode chosen, and the whole bytes of the files a change replaces (a new plan,
    // moved dates, the general notes; every file of a reader for a link).
    std::string plan;
    int mode = -1;
    std::vector<std::pair<std::string, std::string>> state;
    bool addMine = false; // a link that adds this computer's readings to those already shared

    const JournalFileChange* File(std::string_view file) const;
    // A step a reader can undo (not a baseline, a save, an undo or a redo).
    bool IsChange() const;
    const std::string* State(std::string_view file) const;
};

// The journal's kind for a step named as the Edit menu names it.
const char* JournalKindOf(std::string_view stepName);

// "SIZE:HASH" of the bytes, or "-" for a file that is not there.
std::string Fingerprint(const std::string* bytes);
std::vector<JournalHunk> DiffBytes(std::string_view before, std::string_view after);
// Applies the hunks forward (before → after) or back; false, bytes unchanged,
// when the bytes are not those the hunks were made from.
bool ApplyHunks(std::string& bytes, const std::vector<JournalHunk>& hunks, bool forward);
// The ranges of indices where was[i] == 0 and is[i] != 0.
VerseRanges RisenRanges(const std::vector<uint8_t>& was, const std::vector<uint8_t>& is);
// The ranges where is[i] == was[i] + 1.
VerseRanges IncrementedRanges(const std::vector<uint16_t>& was, const std::vector<uint16_t>& is);

// One line of JSON, without the line end.
std::string FormatJournalEntry(const CJournalEntry& entry);
// A line that is not a whole, valid entry gives nothing and says why.
std::optional<CJournalEntry> ParseJournalEntry(std::string_view line, std::string* why = nullptr);

// A JSON string of s; an object whose values are all strings, read strictly (nothing otherwise).
std::string JsonQuote(std::string_view s);
std::optional<std::vector<std::pair<std::string, std::string>>> ParseJsonStrings(std::string_view text);
// Whether id can name a computer in a file name: 1 to 64 letters, digits, '-' and '_'.
bool ValidDeviceId(std::string_view id);

// This computer's id: SCRIVANE_DEVICE, or one made at random once and kept in
// the user's settings directory.
std::string DeviceId();
// Local time as entries keep it (SCRIVANE_NOW sets it for tests).
std::string JournalNow();

class CJournal {
public:
    // readerDirectory holds the reader's files; device names this computer.
    CJournal(std::string readerDirectory, std::string device);

    const std::string& Device() const { return device_; }
    std::string Directory() const;
    std::string Path() const;
    std::string PathOf(const std::string& device) const;

    // The last complete entries of this device's journal, at most maxEntries,
    // oldest first; a line that cannot be read is skipped and counted in bad.
    std::vector<CJournalEntry> ReadTail(size_t maxEntries, size_t* bad = nullptr) const;
    // Every entry of every device's journal, each file in order.
    std::vector<CJournalEntry> ReadAll(size_t* bad = nullptr) const;

    // Fills in seq, clock, device and time, and adds the line to the commit.
    void AddTo(CFileTransaction& commit, CJournalEntry& entry);
    // Finishes a commit of recorded files (notes) a crash interrupted, and removes what a crash left
    // half written; false (why in error) as CFileTransaction::Recover.
    bool Recover(std::string* error = nullptr) const;
    // Writes the entry alone (a baseline), as one commit.
    void Append(CJournalEntry& entry);
    // Another computer's clock seen: this computer's next entries come after it. True when it was
    // ahead of this journal, so that an entry must keep it.
    bool Witness(uint64_t clock);
    // After a commit that failed: the numbers it took are read again.
    void ForgetNumbers() { numbered_ = false; }

private:
    void ReadNumbers();
    void Number(CJournalEntry& entry);

    std::string readerDirectory_;
    std::string device_;
    bool numbered_ = false;
    uint64_t lastSeq_ = 0;
    uint64_t lastClock_ = 0;
};
