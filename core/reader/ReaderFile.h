// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ReaderArray.h"

#include <string>

// The reader file "Scrivane.vnrdr" in the base directory: the display name of
// the reader closed last, then the reader collection.

inline constexpr const char* kReaderFileStem = "\\Scrivane.vnrdr";

std::string ReaderFilePath(const std::string& baseDirectory);

struct ReaderFileLoad {
    // False when a reader file was there but could not be read.
    bool ok = true;
    // It could not be read at all (no access, an I/O error, too large, not a
    // regular file): it was not moved, and SaveReaderFile will not replace it.
    bool unreadable = false;
    // The text to tell the user (the archive's load error messages).
    std::string message;
    // Where the unreadable file was moved, so that nothing overwrites it;
    // empty when it could not be moved (SaveReaderFile then refuses to write).
    std::string keptAside;
};

// Reads the reader file of baseDirectory as LoadReaderFile does, but throws
// the load error (CArchiveException, CFileException) and moves nothing: for
// looking at a reader file without taking it over. An interrupted reader
// command is read as it will be finished.
void ReadReaderFile(const std::string& baseDirectory, std::string& lastReader, CReaderArray& readers);

// Reads the reader file of baseDirectory into lastReader and appends its
// records to readers. A missing or empty file, or an empty base directory,
// reads nothing and is no failure. A file that cannot be read changes neither
// lastReader nor readers, is kept aside, and the result says so.
ReaderFileLoad LoadReaderFile(const std::string& baseDirectory, std::string& lastReader,
                              CReaderArray& readers);

// The bytes of the reader file.
std::string ReaderFileBytes(const std::string& lastReader, CReaderArray& readers);

// Writes the reader file atomically. A file in its place that does not read
// back as a reader file is kept aside first; when that is impossible nothing
// is written and CFileException is thrown. One that cannot be read at all is
// left alone, and its read error thrown. Write errors are CFileException.
void SaveReaderFile(const std::string& baseDirectory, const std::string& lastReader, CReaderArray& readers);

// What SaveReaderFile does before it writes: a file in the way that does not
// read as a reader file is kept aside, or CFileException thrown.
void PrepareReaderFileSave(const std::string& baseDirectory);

// Edit Reader renames the reader's directory and files and writes the reader
// file as one commit, recorded here while it is under way.
std::string ReaderCommitRecordPath(const std::string& baseDirectory);
// Finishes an Edit Reader that a crash interrupted; run before the reader
// file is read. False (and error set) when it could not be finished. Then
// removes what a crash left: temporaries of the reader file and the record,
// and the directories below (which no reader file names).
bool RecoverReaderCommit(const std::string& baseDirectory, std::string* error = nullptr);

// New Reader makes the reader's directory under a name of its own and
// renames it in the commit that records the reader; Delete Reader renames it
// away in the commit that drops the reader, and then removes it. Names that
// begin with a dot are never a reader's directory.
inline constexpr const char* kNewReaderDirectoryPrefix = ".scrivane-new-";
inline constexpr const char* kDeletedReaderDirectoryPrefix = ".scrivane-deleted-";
// An unused such name in baseDirectory (a full path).
std::string UnusedReaderDirectoryName(const std::string& baseDirectory, const char* prefix);
