// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct CJournalEntry;
class CReaderData;
class CReaderEnvironment;

// One reader on several computers, through a folder that a file-sync tool keeps the same on each.
// The folder holds, for each shared reader, a directory named by the reader's id with reader.json
// (written once, by the computer that shared the reader) and one journal a computer, DEVICE.jsonl,
// to which only that computer appends. The reader's own files never go there: each computer makes
// them from all the journals together, so that every order of arrival gives the same bytes.

// The files of one reader on this computer.
struct SyncPaths {
    std::string readerDirectory;
    std::string plan, history, notes, general; // general may be empty: no general notes file
};

// The files of reader r of env's base directory.
SyncPaths SyncPathsOf(const CReaderEnvironment& env, const CReaderData& r);

// Where a reader is shared, kept in the reader's journal directory ("sync-link").
struct SyncLink {
    std::string folder;
    std::string readerId;
    uint64_t exportFrom = 1;              // this computer's first entry that goes to the folder
    std::map<std::string, uint64_t> seen; // the last entry merged of each other computer
};

std::optional<SyncLink> ReadSyncLink(const std::string& readerDirectory);
void WriteSyncLink(const std::string& readerDirectory, const SyncLink& link);
void RemoveSyncLink(const std::string& readerDirectory);

struct SharedReader {
    std::string id;
    std::string displayName, firstName, lastName, nickname;
};

// The readers shared in folder; problem says why none could be read.
std::vector<SharedReader> FindSharedReaders(const std::string& folder, std::string* problem = nullptr);

// What a merge brought: for each other computer, its entries, the newest entry's time, and how many
// of its readings came in now.
struct DeviceReport {
    std::string device;
    size_t entries = 0;
    std::string lastTime;
    size_t newReadings = 0;
};

struct SyncResult {
    bool ok = true;
    std::string problem;               // the folder away, a journal unreadable: the files stay as they are
    std::vector<std::string> skipped;  // entries refused, one line each
    std::vector<DeviceReport> devices; // the other computers
    bool changed = false;              // this computer's files were rewritten
    bool journalWritten = false;       // an entry went into this computer's journal
};

// The state all the entries give together. Entries are deduplicated by device and sequence
// number, undo and redo decide which changes count, and the rest apply in the order of their
// clocks (the device's id breaking ties): a flag set anywhere stays set, lifetime readings add up,
// and a change that replaces applies in that one order.
struct MergedFiles {
    std::optional<std::string> plan, history, notes, general;
    std::vector<std::string> refused; // entries whose bytes are not the files they claim, left out
};
MergedFiles MergeEntries(std::vector<CJournalEntry> entries);

enum class LinkMode {
    share,   // this computer's reader becomes the shared one
    join,    // take the readings from the other computers; this computer's files are kept aside
    addMine, // join, and add this computer's readings to theirs
};

// Links the reader to folder. For share, names describes the reader; for join and addMine,
// readerId names the shared reader. The error, or empty. backup: where join kept the files.
std::string LinkReader(const SyncPaths& paths, const std::string& folder, LinkMode mode,
                       const SharedReader& names, const std::string& device, std::string* backup = nullptr);

// Sends this computer's new entries to the folder and merges everything there into the files.
SyncResult Synchronize(const SyncPaths& paths, const std::string& device);

// The entries of one journal file's bytes; a line that is not a whole, valid entry of device is
// counted in bad (with why in the first problem); a line still being written is left.
std::vector<CJournalEntry> ReadJournalBytes(const std::string& bytes, const std::string& device, size_t& bad,
                                            std::string* problem = nullptr);
