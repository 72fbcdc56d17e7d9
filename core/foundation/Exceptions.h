// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

// Errors raised while a file is read or written. They carry the cause that
// decides which message the user sees (ErrorMessages.h).
class CArchiveException : public std::runtime_error {
public:
    enum Cause { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(Cause cause, std::string fileName = {});
    Cause cause;
    std::string fileName;
};

class CFileException : public std::runtime_error {
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
        // Larger than any file of its kind can be: not read at all.
        tooLarge,
        // A symbolic link that leads away from its file's directory: not written through.
        linkOutside
    };
    CFileException(Cause cause, std::string fileName, int osError = 0);
    // Maps an errno value to the cause the user is told about.
    static Cause CauseFromErrno(int err);
    static CFileException FromErrno(int err, const std::string& fileName);
    Cause cause;
    std::string fileName;
    int osError;
};

// A change of several files whose commit record is on the disk but whose
// last steps failed: it is decided, and the next load of the files completes
// it (FileTransaction.h). fileName is the file the failing step was for.
class CCommitPendingException : public CFileException {
public:
    CCommitPendingException(const CFileException& cause) : CFileException(cause) {}
};
