// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileTransaction.h"

#include "Exceptions.h"
#include "FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kHeader = "scrivane commit 1\n";

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool Move(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    NoteFileOperation();
    return true;
}

void Remove(const std::string& path) {
    if (::unlink(path.c_str()) == 0) NoteFileOperation();
}

// A path in the record: relative to the record's directory when it lies in
// it ("r"), else as given ("a"); each with its length, so any byte may occur.
std::string Field(const std::string& path, const std::string& recordDir) {
    const std::string prefix = recordDir + "/";
    if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0) {
        std::string rel = path.substr(prefix.size());
        return "r" + std::to_string(rel.size()) + ":" + rel;
    }
    return "a" + std::to_string(path.size()) + ":" + path;
}

bool ParseField(const std::string& text, size_t& at, const std::string& recordDir, std::string& out) {
    if (at >= text.size() || (text[at] != 'r' && text[at] != 'a')) return false;
    const bool relative = text[at++] == 'r';
    size_t colon = text.find(':', at);
    if (colon == std::string::npos || colon == at || colon - at > 9) return false;
    size_t n = 0;
    for (size_t i = at; i < colon; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + static_cast<size_t>(text[i] - '0');
    }
    at = colon + 1;
    if (n == 0 || text.size() - at < n) return false;
    out = text.substr(at, n);
    at += n;
    if (relative) out = recordDir + "/" + out;
    return true;
}

struct ParsedStep {
    char kind;
    std::string from;
    std::string to;
    uint64_t size = 0;
};

bool ParseSize(const std::string& text, size_t& at, uint64_t& out) {
    const size_t start = at;
    out = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 19)
        out = out * 10 + static_cast<uint64_t>(text[at++] - '0');
    return at > start;
}

// Brings path to size bytes and adds what the temporary from holds: the same
// result however often it is run, so a crash halfway is finished by running it again.
bool AppendFrom(const std::string& from, const std::string& path, uint64_t size) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(from, uint64_t(64) << 20);
    } catch (const std::exception&) {
        return false;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && static_cast<uint64_t>(st.st_size) >= size &&
              ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    for (size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(size + done));
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok) return false;
    NoteFileOperation();
    Remove(from);
    return true;
}

bool ParseRecord(const std::string& text, const std::string& recordDir, std::vector<ParsedStep>& steps) {
    const std::string header = kHeader;
    if (text.compare(0, header.size(), header) != 0) return false;
    size_t at = header.size();
    while (at < text.size()) {
        if (text.compare(at, 4, "end\n") == 0) return at + 4 == text.size();
        ParsedStep s;
        s.kind = text[at];
        if ((s.kind != 'R' && s.kind != 'W' && s.kind != 'A') || at + 1 >= text.size() || text[at + 1] != ' ')
            return false;
        at += 2;
        if (!ParseField(text, at, recordDir, s.from) || at >= text.size() || text[at++] != ' ' ||
            !ParseField(text, at, recordDir, s.to))
            return false;
        if (s.kind == 'A' && (at >= text.size() || text[at++] != ' ' || !ParseSize(text, at, s.size)))
            return false;
        if (at >= text.size() || text[at++] != '\n') return false;
        steps.push_back(std::move(s));
    }
    return false;
}

// The first directory that could not be synced, with its error; empty when all were.
std::pair<std::string, int> SyncDirectoriesOf(const std::vector<std::string>& paths) {
    std::set<std::string> dirs;
    for (const std::string& p : paths)
        dirs.insert(ParentDirectory(p));
    std::pair<std::string, int> failed;
    for (const std::string& d : dirs)
        if (int err = SyncDirectory(d); err != 0 && failed.second == 0) failed = {d, err};
    return failed;
}

} // namespace

CFileTransaction::CFileTransaction(std::string recordPath) : recordPath_(std::move(recordPath)) {}

void CFileTransaction::Rename(std::string from, std::string to) {
    renames_.push_back({'R', std::move(from), std::move(to)});
}

void CFileTransaction::Write(std::string path, std::string bytes) {
    writes_.emplace_back(std::move(path), std::move(bytes));
}

void CFileTransaction::Append(std::string path, std::string bytes) {
    // One step a file: its size before is then the size before all of them.
    for (auto& [p, b] : appends_)
        if (p == path) {
            b += bytes;
            return;
        }
    appends_.emplace_back(std::move(path), std::move(bytes));
}

std::string CFileTransaction::RecordText(const std::vector<Step>& steps) const {
    const std::string dir = ParentDirectory(recordPath_);
    std::string text = kHeader;
    for (const Step& s : steps) {
        text += std::string(1, s.kind) + " " + Field(s.from, dir) + " " + Field(s.to, dir);
        if (s.kind == 'A') text += " " + std::to_string(s.size);
        text += "\n";
    }
    return text + "end\n";
}

void CFileTransaction::Commit() {
    std::string error;
    if (!Recover(recordPath_, &error)) throw CFileException(CFileException::accessDenied, recordPath_, EBUSY);

    for (auto& [path, bytes] : writes_) {
        path = SaveTarget(path);
        CheckSaveTarget(path);
    }
    std::vector<Step> steps = renames_;
    std::vector<std::string> temporaries;
    auto dropTemporaries = [&] {
        for (const std::string& t : temporaries)
            Remove(t);
    };
    std::string record;
    {
        // Every file, and the record naming them, goes to the disk side by side;
        // none is waited for before all are on their way. A temporary left
        // unfinished by a throw removes itself.
        std::vector<std::unique_ptr<CTemporaryFile>> pending;
        for (const auto& [path, bytes] : writes_) {
            RemoveStaleTemporaries(path);
            pending.push_back(std::make_unique<CTemporaryFile>(path, bytes));
            steps.push_back({'W', pending.back()->Name(), path});
        }
        for (const auto& [path, bytes] : appends_) {
            RemoveStaleTemporaries(path);
            pending.push_back(std::make_unique<CTemporaryFile>(path, bytes));
            steps.push_back({'A', pending.back()->Name(), path, FileSize(path).value_or(0)});
        }
        CheckSaveTarget(recordPath_);
        pending.push_back(std::make_unique<CTemporaryFile>(recordPath_, RecordText(steps)));
        try {
            for (const auto& t : pending)
                temporaries.push_back(t->Finish());
        } catch (...) {
            dropTemporaries();
            throw;
        }
        record = temporaries.back();
        temporaries.pop_back();
    }

    // The commit point: once the record is in place on disk, the change is decided.
    if (!Move(record, recordPath_)) {
        int err = errno;
        Remove(record);
        dropTemporaries();
        throw CFileException::FromErrno(err, recordPath_);
    }
    // A record that may not survive a power loss is still the decision: the
    // steps go on, and the record stays for the next load to finish.
    std::pair<std::string, int> syncFailed;
    if (int err = SyncDirectory(ParentDirectory(recordPath_)); err != 0)
        syncFailed = {ParentDirectory(recordPath_), err};

    std::vector<std::string> touched;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        touched.push_back(s.from);
        touched.push_back(s.to);
        // A rename never replaces anything: that would lose the file in the way.
        int err = 0;
        if (s.kind == 'A') {
            if (AppendFrom(s.from, s.to, s.size)) continue;
            throw CCommitPendingException(CFileException::FromErrno(errno ? errno : EIO, s.to));
        }
        if (s.kind == 'R' && Exists(s.to))
            err = EEXIST;
        else if (!Move(s.from, s.to))
            err = errno;
        if (err == 0) continue;
        if (s.kind == 'W') {
            // Past the renames nothing can be undone; Recover finishes it at the next load.
            throw CCommitPendingException(CFileException::FromErrno(err, s.to));
        }
        // A rename failed: the earlier ones are undone and the commit is dropped.
        // The record goes only once they are back, and the temporaries after it, so a crash
        // on the way leaves a commit that Recover finishes or none at all.
        for (size_t j = i; j-- > 0;)
            Move(steps[j].to, steps[j].from);
        SyncDirectoriesOf(touched);
        Remove(recordPath_);
        SyncDirectory(ParentDirectory(recordPath_));
        dropTemporaries();
        throw CFileException::FromErrno(err, s.from);
    }
    if (auto failed = SyncDirectoriesOf(touched); failed.second != 0 && syncFailed.second == 0)
        syncFailed = failed;
    if (syncFailed.second != 0)
        throw CCommitPendingException(CFileException::FromErrno(syncFailed.second, syncFailed.first));
    // Not synced: a record that a crash brings back names only steps already
    // done, and the next load or commit finishes it by removing it.
    Remove(recordPath_);
}

std::string CFileTransaction::PendingReadPath(const std::string& recordPath, const std::string& path) {
    struct stat st {};
    if (::lstat(recordPath.c_str(), &st) != 0) return path;
    std::vector<ParsedStep> steps;
    try {
        if (!ParseRecord(ReadWholeFile(recordPath), ParentDirectory(recordPath), steps)) return path;
    } catch (const std::exception&) {
        return path;
    }
    // Where a path lies now, before the steps still to do: each of them, last
    // first, that produces it (or a directory above it) leads back to its source.
    std::vector<const ParsedStep*> pending;
    auto now = [&](std::string p) {
        for (size_t i = pending.size(); i-- > 0;) {
            const ParsedStep& s = *pending[i];
            if (p == s.to)
                p = s.from;
            else if (p.size() > s.to.size() && p.compare(0, s.to.size(), s.to) == 0 && p[s.to.size()] == '/')
                p = s.from + p.substr(s.to.size());
        }
        return p;
    };
    // As Recover decides: a step whose source is gone was done.
    for (const ParsedStep& s : steps)
        if (s.kind != 'A' && Exists(now(s.from))) pending.push_back(&s);
    return now(path);
}

bool CFileTransaction::Recover(const std::string& recordPath, std::string* error) {
    // A record that never reached its place was no commit.
    RemoveStaleTemporaries(recordPath);
    struct stat st {};
    if (::lstat(recordPath.c_str(), &st) != 0) return true;
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::vector<ParsedStep> steps;
    std::string text;
    try {
        text = ReadWholeFile(recordPath);
    } catch (const std::exception&) {
        return fail(recordPath + " could not be read.");
    }
    if (!ParseRecord(text, ParentDirectory(recordPath), steps)) {
        std::string aside = KeepAside(recordPath);
        return fail(recordPath + " is not a commit record" +
                    (aside.empty() ? std::string(".") : "; it has been kept as " + aside + "."));
    }
    std::vector<std::string> touched;
    for (const ParsedStep& s : steps) {
        touched.push_back(s.from);
        touched.push_back(s.to);
        // A step whose source is gone was done before the interruption.
        if (!Exists(s.from)) continue;
        if (s.kind == 'A') {
            if (!AppendFrom(s.from, s.to, s.size)) return fail(s.to + " could not be added to.");
            continue;
        }
        if (s.kind == 'R' && Exists(s.to))
            return fail("Both " + s.from + " and " + s.to +
                        " exist, so an interrupted change cannot be finished.");
        if (!Move(s.from, s.to)) return fail(s.from + " could not be renamed to " + s.to + ".");
    }
    if (auto failed = SyncDirectoriesOf(touched); failed.second != 0)
        return fail(failed.first + " could not be written to the disk: " + std::strerror(failed.second) +
                    ".");
    Remove(recordPath);
    SyncDirectory(ParentDirectory(recordPath));
    return true;
}
