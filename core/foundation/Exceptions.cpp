// SPDX-License-Identifier: GPL-3.0-or-later
#include "Exceptions.h"

#include <cerrno>
#include <cstring>

CArchiveException::CArchiveException(Cause c, std::string name)
    : std::runtime_error("archive error " + std::to_string(static_cast<int>(c))), cause(c),
      fileName(std::move(name)) {}

CFileException::CFileException(Cause c, std::string name, int err)
    : std::runtime_error("file error " + std::to_string(static_cast<int>(c)) + " on " + name +
                         (err ? std::string(": ") + std::strerror(err) : std::string())),
      cause(c), fileName(std::move(name)), osError(err) {}

CFileException::Cause CFileException::CauseFromErrno(int err) {
    switch (err) {
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return badPath;
    case EACCES:
    case EPERM:
    case EROFS:
        return accessDenied;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
        return diskFull;
    case EIO:
        return hardIO;
    case EISDIR:
        return invalidFile;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    default:
        return genericException;
    }
}

CFileException CFileException::FromErrno(int err, const std::string& name) {
    return CFileException(CauseFromErrno(err), name, err);
}
