// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Changes to several files (and directories) that must happen together: after
// a failure or a crash at any moment, the files show either all of the
// changes or none of them.
//
// Commit writes and syncs a temporary beside every file to be written, then a
// small commit record (a file of its own, recordPath) that lists the steps
// still to do; from then on the change is decided. The renames follow, then
// the directories are synced and the record is removed. Recover, run before
// the files are next loaded, finishes a commit whose record is there; a crash
// before the record leaves only temporaries, which the next save removes.
// The record sits beside the files, and paths inside its directory are kept
// relative to it, so a directory that moves with its files keeps its record.
class CFileTransaction {
public:
    explicit CFileTransaction(std::string recordPath);

    // Moves a file or directory. Renames happen before writes, in the order
    // given; a path a rename produced may be written afterwards.
    void Rename(std::string from, std::string to);
    // Replaces path with bytes.
    void Write(std::string path, std::string bytes);
    // Adds bytes at the end of path (made if missing), after the writes. The
    // record keeps the size path had, so finishing it again appends once.
    void Append(std::string path, std::string bytes);

    // Commits, first finishing an earlier commit of the same record. Throws
    // CFileException (naming the file that failed) when nothing was changed:
    // a write that could not be made, or a rename that failed and was undone.
    // Should a replacement fail after the renames (which nothing short of a
    // failing disk does), the record stays for Recover and it throws too.
    void Commit();

    // Finishes the commit recordPath describes, if there is one; true when
    // there was none or it was finished. Temporaries of a record a crash
    // left unfinished are removed. A record that cannot be read is kept
    // aside (recordPath + ".damaged") and false returned.
    static bool Recover(const std::string& recordPath, std::string* error = nullptr);

    // For a program that only looks, the path to read in place of path: where
    // the commit recordPath describes (if one is pending) still keeps what
    // path will hold once it is finished. Reads the record, changes nothing;
    // path itself when there is no such commit or its record is unreadable.
    static std::string PendingReadPath(const std::string& recordPath, const std::string& path);

private:
    struct Step {
        char kind; // 'R' rename from → to, 'W' move temporary from → to, 'A' append from to to
        std::string from;
        std::string to;
        uint64_t size = 0; // 'A': the size of to before the append
    };
    std::string RecordText(const std::vector<Step>& steps) const;

    std::string recordPath_;
    std::vector<Step> renames_;
    std::vector<std::pair<std::string, std::string>> writes_;
    std::vector<std::pair<std::string, std::string>> appends_;
};
