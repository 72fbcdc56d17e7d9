// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sync.h"

#include "foundation/Archive.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"
#include "foundation/Translatable.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "journal/Journal.h"
#include "notes/BibleNoteMap.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/ReaderEnvironment.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLinkFile = "sync-link";
constexpr const char* kReaderFile = "reader.json";
constexpr uint64_t kMaxJournalBytes = uint64_t(1) << 30;

std::string JournalDirectory(const std::string& readerDirectory) {
    return readerDirectory + "/journal";
}

bool ValidReaderId(const std::string& id) {
    return id.size() == 16 && std::all_of(id.begin(), id.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::string NewReaderId() {
    std::random_device random;
    char id[20];
    std::snprintf(id, sizeof id, "%08x%08x", random(), random());
    return id;
}

std::optional<std::string> ReadIfThere(const std::string& path, uint64_t maxBytes) {
    if (path.empty()) return std::nullopt;
    try {
        return ReadWholeFile(path, maxBytes);
    } catch (const CFileException& e) {
        if (e.cause == CFileException::fileNotFound) return std::nullopt;
        throw;
    }
}

std::string Unreachable(const std::string& folder) {
    return std::string(TR_NOOP("Core", "The sync folder cannot be reached:")) + "\n" + folder + "\n" +
           TR_NOOP("Core", "This computer's readings are kept, and go there once it is back.");
}

// Kept when the general notes were changed on two computers before either saw the other's text.
std::string KeptTextHeading(const std::string& device, const std::string& time) {
    std::string when = time.substr(0, 16);
    if (when.size() > 10) when[10] = ' ';
    return "\r\n\r\n----- Also written on " + device + ", " + when + " -----\r\n";
}

struct Order {
    bool operator()(const CJournalEntry& a, const CJournalEntry& b) const {
        if (a.clock != b.clock) return a.clock < b.clock;
        if (a.device != b.device) return a.device < b.device;
        return a.seq < b.seq;
    }
};

bool IsReading(const CJournalEntry& e) {
    return e.kind == "finish" || e.kind == "mark" || e.kind == "extra";
}

// This computer's entries since it was linked, for the folder: what another computer can make again.
bool Exported(const CJournalEntry& e) {
    return e.kind != "baseline" && e.kind != "save" && e.kind != "merge";
}

// Appends whole lines to this computer's journal in the folder, first cutting a line that a crash
// left half written (only this computer writes the file).
void AppendLines(const std::string& path, const std::string& lines) {
    std::optional<std::string> was = ReadIfThere(path, kMaxJournalBytes);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw CFileException(CFileException::genericException, path, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    off_t end = was ? off_t(was->size()) : 0;
    if (was && !was->empty() && was->back() != '\n') {
        const size_t last = was->rfind('\n');
        end = last == std::string::npos ? 0 : off_t(last + 1);
        if (::ftruncate(fd, end) != 0) throw CFileException(CFileException::genericException, path, errno);
    }
    size_t done = 0;
    while (done < lines.size()) {
        const ssize_t n = ::pwrite(fd, lines.data() + done, lines.size() - done, end + off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw CFileException(CFileException::diskFull, path, errno);
        done += size_t(n);
    }
    if (::fsync(fd) != 0) throw CFileException(CFileException::genericException, path, errno);
}

} // namespace

SyncPaths SyncPathsOf(const CReaderEnvironment& env, const CReaderData& r) {
    const std::string stem = JoinStem(env.BaseDirectory(), r.GetFileStem());
    SyncPaths paths;
    paths.plan = stem + ".vnpln";
    paths.history = stem + ".vnpro";
    paths.notes = stem + ".vnnot";
    paths.general = env.GeneralNotesPathHere(r);
    paths.readerDirectory = ParentDirectory(paths.plan);
    return paths;
}

// --- the link --------------------------------------------------------------------

std::optional<SyncLink> ReadSyncLink(const std::string& readerDirectory) {
    std::optional<std::string> text;
    try {
        text = ReadIfThere(JournalDirectory(readerDirectory) + "/" + kLinkFile, 1 << 20);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!text) return std::nullopt;
    SyncLink link;
    size_t at = 0;
    while (at < text->size()) {
        size_t end = text->find('\n', at);
        if (end == std::string::npos) end = text->size();
        const std::string line = text->substr(at, end - at);
        at = end + 1;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string key = line.substr(0, tab), value = line.substr(tab + 1);
        if (key == "folder") {
            link.folder = value;
        } else if (key == "reader") {
            link.readerId = value;
        } else if (key == "from") {
            link.exportFrom = std::strtoull(value.c_str(), nullptr, 10);
        } else if (key == "seen") {
            const size_t t = value.find('\t');
            if (t != std::string::npos)
                link.seen[value.substr(0, t)] = std::strtoull(value.c_str() + t + 1, nullptr, 10);
        }
    }
    if (link.folder.empty() || !ValidReaderId(link.readerId)) return std::nullopt;
    return link;
}

void WriteSyncLink(const std::string& readerDirectory, const SyncLink& link) {
    std::string text = "folder\t" + link.folder + "\nreader\t" + link.readerId + "\nfrom\t" +
                       std::to_string(link.exportFrom) + "\n";
    for (const auto& [device, seq] : link.seen)
        text += "seen\t" + device + "\t" + std::to_string(seq) + "\n";
    MakeDirectory(JournalDirectory(readerDirectory));
    SaveFileAtomic(JournalDirectory(readerDirectory) + "/" + kLinkFile, text);
}

void RemoveSyncLink(const std::string& readerDirectory) {
    std::error_code ec;
    std::filesystem::remove(JournalDirectory(readerDirectory) + "/" + kLinkFile, ec);
}

std::vector<SharedReader> FindSharedReaders(const std::string& folder, std::string* problem) {
    std::vector<SharedReader> found;
    std::error_code ec;
    if (!DirectoryExists(folder)) {
        if (problem) *problem = Unreachable(folder);
        return found;
    }
    for (const auto& d : std::filesystem::directory_iterator(folder, ec)) {
        const std::string id = d.path().filename().string();
        if (!ValidReaderId(id)) continue;
        std::optional<std::string> text;
        try {
            text = ReadIfThere(d.path().string() + "/" + kReaderFile, 1 << 20);
        } catch (const std::exception&) {
        }
        const auto fields = text ? ParseJsonStrings(*text) : std::nullopt;
        if (!fields) continue;
        SharedReader r;
        r.id = id;
        for (const auto& [key, value] : *fields) {
            if (key == "name") r.displayName = value;
            if (key == "first") r.firstName = value;
            if (key == "last") r.lastName = value;
            if (key == "nick") r.nickname = value;
        }
        found.push_back(std::move(r));
    }
    std::sort(found.begin(), found.end(),
              [](const SharedReader& a, const SharedReader& b) { return a.displayName < b.displayName; });
    return found;
}

// --- reading journals --------------------------------------------------------------

std::vector<CJournalEntry> ReadJournalBytes(const std::string& bytes, const std::string& device, size_t& bad,
                                            std::string* problem) {
    std::vector<CJournalEntry> out;
    size_t at = 0;
    size_t line = 0;
    while (at < bytes.size()) {
        const size_t end = bytes.find('\n', at);
        // A last line without its end is still on its way: the next merge takes it.
        if (end == std::string::npos) break;
        ++line;
        std::string why;
        auto e = ParseJournalEntry(std::string_view(bytes).substr(at, end - at), &why);
        at = end + 1;
        if (e && e->device != device) why = "an entry of another computer";
        if (!e || e->device != device) {
            if (bad++ == 0 && problem)
                *problem =
                    std::string(TR_NOOP("Core", "A journal in the sync folder has lines that cannot be read; "
                                                "they were skipped:")) +
                    "\nline " + std::to_string(line) + " of the journal of " + device + ": " + why;
            continue;
        }
        out.push_back(std::move(*e));
    }
    return out;
}

// --- merging -----------------------------------------------------------------------

MergedFiles MergeEntries(std::vector<CJournalEntry> entries) {
    // Each entry once, however often a sync tool delivered it.
    std::sort(entries.begin(), entries.end(), [](const CJournalEntry& a, const CJournalEntry& b) {
        return a.device != b.device ? a.device < b.device : a.seq < b.seq;
    });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const CJournalEntry& a, const CJournalEntry& b) {
                                  return a.device == b.device && a.seq == b.seq;
                              }),
                  entries.end());
    // Undo and Redo take a computer's own change out and put it back: the change counts or not.
    std::set<std::pair<std::string, uint64_t>> undone;
    for (const CJournalEntry& e : entries) {
        if (e.kind == "undo") undone.insert({e.device, e.undoes});
        if (e.kind == "redo") undone.erase({e.device, e.undoes});
    }
    std::sort(entries.begin(), entries.end(), Order());

    MergedFiles out;
    CScriptedUiServices ui;
    CReaderContext reader;
    CReadingPlanDoc doc(ui, reader);
    CReadingPlanDoc::ReplacedPlans replaced;
    CBibleNoteMap notes;
    bool based = false, haveNotes = false;
    std::string generalDevice, generalTime;
    auto loadNotes = [](CBibleNoteMap& map, const std::string& bytes) {
        CArchive ar(bytes, "notes");
        map.Serialize(ar);
    };
    auto keepGeneral = [&](const std::string& text, const CJournalEntry& e, bool replaces) {
        if (!out.general || replaces || out.general->empty() || *out.general == text ||
            text.find(*out.general) != std::string::npos)
            out.general = text;
        else
            out.general = text + KeptTextHeading(generalDevice, generalTime) + *out.general;
        generalDevice = e.device;
        generalTime = e.time;
    };
    for (const CJournalEntry& e : entries) {
        if (e.kind == "undo" || e.kind == "redo" || !Exported(e) || undone.count({e.device, e.seq})) continue;
        try {
            if (e.kind == "link") {
                const std::string *plan = e.State("plan"), *history = e.State("history");
                const std::string *notesBytes = e.State("notes"), *general = e.State("general");
                if (!plan || !history) continue;
                if (!based) {
                    // The reader as first shared: the base of everything after it.
                    doc.LoadBytes(*plan, *history);
                    if (notesBytes) {
                        loadNotes(notes, *notesBytes);
                        haveNotes = true;
                    }
                    if (general) keepGeneral(*general, e, true);
                    based = true;
                    continue;
                }
                // Another computer's readings added to these: its plan's readings count here when the
                // plan is the same, else in the lifetime history; its notes join these.
                CReadingPlanDoc other(ui, reader);
                other.LoadBytes(*plan, *history);
                doc.AddReadingsOf(other);
                if (notesBytes) {
                    CBibleNoteMap theirs;
                    loadNotes(theirs, *notesBytes);
                    for (uint16_t v : theirs.IterationOrder()) {
                        const std::string text(theirs.GetNote(v));
                        const std::string mine(notes.GetNote(v));
                        if (mine.empty())
                            notes.SetNote(v, text);
                        else if (mine.find(text) == std::string::npos)
                            notes.SetNote(v, mine + "\r\n\r\n" + text);
                    }
                    haveNotes = true;
                }
                if (general) keepGeneral(*general, e, false);
                continue;
            }
            if (!based) continue;
            if (e.kind == "note") {
                if (e.verse < 0 || !e.text) continue;
                notes.SetNote(uint16_t(e.verse), *e.text);
                haveNotes = true;
            } else if (e.kind == "general-notes") {
                const std::string* text = e.State("general");
                if (!text) continue;
                // Made from the text as it stands here: it replaces it. Made beside another
                // computer's change: the later text comes first, the other below it.
                const bool replaces =
                    !e.files.empty() && out.general && Fingerprint(&*out.general) == e.files[0].before;
                keepGeneral(*text, e, replaces);
            } else {
                doc.ReplayEntry(e, replaced);
            }
        } catch (const std::exception&) {
            // Bytes that do not load as the files they claim to be: the entry is left out whole.
            out.refused.push_back(
                std::string(TR_NOOP("Core", "A change from another computer was skipped: the "
                                            "files it holds cannot be read.")) +
                "\n" + e.device + " " + std::to_string(e.seq));
        }
    }
    if (!based) return out;
    auto [plan, history] = doc.StoreBytes();
    out.plan = std::move(plan);
    out.history = std::move(history);
    if (haveNotes) {
        CArchive ar;
        notes.Serialize(ar);
        out.notes = ar.Bytes();
    }
    return out;
}

// --- linking -----------------------------------------------------------------------

namespace {

std::vector<CJournalEntry> OwnEntries(const std::string& readerDirectory, const std::string& device,
                                      size_t* bad) {
    std::optional<std::string> bytes =
        ReadIfThere(JournalDirectory(readerDirectory) + "/" + device + ".jsonl", kMaxJournalBytes);
    if (!bytes) return {};
    return ReadJournalBytes(*bytes, device, *bad);
}

CJournalEntry LinkEntry(const SyncPaths& paths, bool addMine) {
    CJournalEntry e;
    e.kind = "link";
    e.name = "Link";
    e.addMine = addMine;
    auto take = [&](const char* key, const std::string& path, uint64_t max) {
        if (std::optional<std::string> bytes = ReadIfThere(path, max))
            e.state.emplace_back(key, std::move(*bytes));
    };
    take("plan", paths.plan, kMaxPlanFileBytes);
    take("history", paths.history, kMaxPlanFileBytes);
    take("notes", paths.notes, kMaxNotesFileBytes);
    take("general", paths.general, kMaxNotesFileBytes);
    return e;
}

// Where join keeps this computer's files, so that nothing it held is lost.
std::string KeepFilesAside(const SyncPaths& paths) {
    const std::string time = JournalNow();
    std::string dir = paths.readerDirectory + "/Before sync " + time.substr(0, 10);
    for (int n = 2; DirectoryExists(dir); ++n)
        dir = paths.readerDirectory + "/Before sync " + time.substr(0, 10) + " (" + std::to_string(n) + ")";
    MakeDirectory(dir);
    for (const std::string* path : {&paths.plan, &paths.history, &paths.notes, &paths.general}) {
        if (path->empty() || !FileExists(*path)) continue;
        SaveFileAtomic(dir + "/" + FileNameOf(*path), ReadWholeFile(*path, kMaxNotesFileBytes));
    }
    return dir;
}

} // namespace

std::string LinkReader(const SyncPaths& paths, const std::string& folder, LinkMode mode,
                       const SharedReader& names, const std::string& device, std::string* backup) {
    if (!DirectoryExists(folder)) return Unreachable(folder);
    if (!ValidDeviceId(device)) return "This computer's name '" + device + "' cannot name a journal file.";
    try {
        CJournal journal(paths.readerDirectory, device);
        if (std::string why; !journal.Recover(&why)) return why;
        SyncLink link;
        link.folder = folder;
        if (mode == LinkMode::share) {
            link.readerId = NewReaderId();
            const std::string dir = folder + "/" + link.readerId;
            if (!MakeDirectory(dir)) return "The sync folder " + folder + " cannot be written to.";
            SaveFileAtomic(dir + "/" + kReaderFile, "{\"id\":" + JsonQuote(link.readerId) +
                                                        ",\"name\":" + JsonQuote(names.displayName) +
                                                        ",\"first\":" + JsonQuote(names.firstName) +
                                                        ",\"last\":" + JsonQuote(names.lastName) +
                                                        ",\"nick\":" + JsonQuote(names.nickname) + "}\n");
        } else {
            if (!ValidReaderId(names.id) || !FileExists(folder + "/" + names.id + "/" + kReaderFile))
                return "The sync folder " + folder + " holds no shared reader " + names.id + ".";
            link.readerId = names.id;
        }
        if (mode == LinkMode::join) {
            const std::string kept = KeepFilesAside(paths);
            if (backup) *backup = kept;
        }
        // This computer's files as they are: the base others start from, or what is added to it. A
        // join keeps nothing of them, but its entry still marks where Undo stops: a change made
        // before the link is in no journal of the folder, so taking it back could not reach the others.
        CJournalEntry entry =
            mode == LinkMode::join ? CJournalEntry() : LinkEntry(paths, mode == LinkMode::addMine);
        entry.kind = "link";
        entry.name = "Link";
        journal.Append(entry);
        link.exportFrom = entry.seq;
        WriteSyncLink(paths.readerDirectory, link);
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

// --- synchronizing -----------------------------------------------------------------

SyncResult Synchronize(const SyncPaths& paths, const std::string& device) {
    SyncResult result;
    std::optional<SyncLink> link = ReadSyncLink(paths.readerDirectory);
    if (!link) {
        result.ok = false;
        result.problem = TR_NOOP("Core", "This reader is not linked to a sync folder.");
        return result;
    }
    const std::string dir = link->folder + "/" + link->readerId;
    if (!DirectoryExists(dir)) {
        result.ok = false;
        result.problem = Unreachable(link->folder);
        return result;
    }
    try {
        CJournal journal(paths.readerDirectory, device);
        if (std::string why; !journal.Recover(&why)) {
            result.ok = false;
            result.problem = why;
            return result;
        }
        // This computer's new entries go out first, so that the merge below includes them.
        size_t bad = 0;
        std::vector<CJournalEntry> own = OwnEntries(paths.readerDirectory, device, &bad);
        const std::string mine = dir + "/" + device + ".jsonl";
        size_t ignored = 0;
        std::optional<std::string> sent = ReadIfThere(mine, kMaxJournalBytes);
        const std::vector<CJournalEntry> there =
            sent ? ReadJournalBytes(*sent, device, ignored) : std::vector<CJournalEntry>();
        const uint64_t sentUpTo = there.empty() ? 0 : there.back().seq;
        std::string lines;
        for (const CJournalEntry& e : own)
            if (e.seq >= link->exportFrom && e.seq > sentUpTo && Exported(e))
                lines += FormatJournalEntry(e) + "\n";
        if (!lines.empty()) AppendLines(mine, lines);

        // Every computer's entries, this one's as the folder has them.
        std::vector<CJournalEntry> all;
        uint64_t clock = 0;
        std::error_code ec;
        std::vector<std::string> devices;
        for (const auto& f : std::filesystem::directory_iterator(dir, ec)) {
            const std::string name = f.path().filename().string();
            if (name.size() > 6 && name.compare(name.size() - 6, 6, ".jsonl") == 0 &&
                ValidDeviceId(name.substr(0, name.size() - 6)))
                devices.push_back(name.substr(0, name.size() - 6));
        }
        std::sort(devices.begin(), devices.end());
        for (const std::string& d : devices) {
            std::optional<std::string> bytes;
            try {
                bytes = ReadIfThere(dir + "/" + d + ".jsonl", kMaxJournalBytes);
            } catch (const std::exception& e) {
                result.skipped.push_back("The journal of " + d + " cannot be read: " + e.what());
                continue;
            }
            if (!bytes) continue;
            size_t refused = 0;
            std::string why;
            std::vector<CJournalEntry> entries = ReadJournalBytes(*bytes, d, refused, &why);
            if (refused)
                result.skipped.push_back(
                    why + (refused > 1 ? " (" + std::to_string(refused) + " lines in all)" : ""));
            if (d != device) {
                DeviceReport report{d, entries.size(), {}, 0};
                const uint64_t seen = link->seen.count(d) ? link->seen[d] : 0;
                for (const CJournalEntry& e : entries) {
                    if (e.seq > seen && IsReading(e)) ++report.newReadings;
                    report.lastTime = std::max(report.lastTime, e.time);
                }
                if (!entries.empty()) link->seen[d] = entries.back().seq;
                result.devices.push_back(report);
            }
            for (CJournalEntry& e : entries) {
                clock = std::max(clock, e.clock);
                all.push_back(std::move(e));
            }
        }
        const MergedFiles merged = MergeEntries(std::move(all));
        result.skipped.insert(result.skipped.end(), merged.refused.begin(), merged.refused.end());

        // The files become what all the entries give, in one commit with an entry of this journal.
        CFileTransaction commit(paths.readerDirectory + "/sync.commit");
        CJournalEntry entry;
        entry.kind = "merge";
        entry.name = "Merge";
        auto take = [&](const std::optional<std::string>& bytes, const std::string& path) {
            if (!bytes || path.empty()) return;
            std::optional<std::string> now = ReadIfThere(path, kMaxNotesFileBytes);
            if (now && *now == *bytes) return;
            commit.Write(path, *bytes);
            JournalFileChange change{
                FileNameOf(path), Fingerprint(now ? &*now : nullptr), Fingerprint(&*bytes), {}};
            if (now) change.hunks = DiffBytes(*now, *bytes);
            entry.files.push_back(std::move(change));
        };
        take(merged.plan, paths.plan);
        take(merged.history, paths.history);
        take(merged.notes, paths.notes);
        take(merged.general, paths.general);
        // The entry also keeps the newest clock seen, so that this computer's next change is ordered
        // after everything it has seen, even when nothing here changed.
        const bool ahead = journal.Witness(clock);
        if (!entry.files.empty() || ahead) {
            journal.AddTo(commit, entry);
            commit.Commit();
            result.changed = !entry.files.empty();
            result.journalWritten = true;
        }
        if (link->seen != ReadSyncLink(paths.readerDirectory).value_or(SyncLink()).seen)
            WriteSyncLink(paths.readerDirectory, *link);
    } catch (const std::exception& e) {
        result.ok = false;
        result.problem = e.what();
    }
    return result;
}
