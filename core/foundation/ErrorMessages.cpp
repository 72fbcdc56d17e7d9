// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorMessages.h"

#include "Exceptions.h"

#include <cstring>

namespace {

// The system's reason, as a line that names the file: "Bob.vnpln: Is a directory".
std::string Reason(const CFileException& f, const std::string& fileName) {
    return f.osError ? "\n" + fileName + ": " + std::strerror(f.osError) + "." : std::string();
}

// Which file is damaged matters when a program reads several.
std::string UnexpectedFormat(const std::string& fileName) {
    if (fileName.empty()) return kUnexpectedFileFormat;
    return std::string(kUnexpectedFileFormat) + "\n" + fileName + " is damaged or is not a file of its kind.";
}

std::string Message(const std::exception& e, const std::string& fileName, bool loading) {
    if (auto p = dynamic_cast<const CCommitPendingException*>(&e)) {
        return "The change was recorded, but " + fileName + " could not be written now" +
               (p->osError ? std::string(": ") + std::strerror(p->osError) : std::string()) +
               ".\nThe change will be completed the next time these files are opened.";
    }
    if (auto a = dynamic_cast<const CArchiveException*>(&e)) {
        switch (a->cause) {
        case CArchiveException::endOfFile:
        case CArchiveException::badIndex:
        case CArchiveException::badClass:
        case CArchiveException::badSchema:
            return UnexpectedFormat(fileName);
        default:
            break;
        }
    } else if (auto f = dynamic_cast<const CFileException*>(&e)) {
        switch (f->cause) {
        case CFileException::fileNotFound:
        case CFileException::badPath:
            return fileName +
                   "\nCannot find this file.\nPlease verify that the correct path and file name are given.";
        case CFileException::accessDenied:
            // Here a file is refused for its permissions, not because someone has it open.
            if (loading && f->osError)
                return "Unable to read from " + fileName + ": " + std::strerror(f->osError) + ".";
            [[fallthrough]];
        case CFileException::sharingViolation:
        case CFileException::lockViolation:
            return loading
                       ? "Unable to read from " + fileName + ", it is opened by someone else."
                       : "Unable to write to " + fileName + ", it is read-only or opened by someone else.";
        case CFileException::diskFull:
            return "Destination disk drive is full." +
                   (f->osError ? "\n" + fileName + " could not be written." : std::string());
        case CFileException::endOfFile:
            return UnexpectedFormat(fileName);
        case CFileException::linkOutside:
            return fileName +
                   "\nThis is a symbolic link that leads outside the directory it is in (and the one above "
                   "it), so nothing was written through it. Replace it with the file it points to, or "
                   "remove it.";
        case CFileException::tooLarge:
            return fileName + "\nThis file is larger than any file of its kind can be, so it was not read.";
        case CFileException::invalidFile:
            if (!f->osError)
                return fileName + "\nThis is not a regular file, so it was not " +
                       (loading ? "read." : "written.");
            break;
        default:
            break;
        }
        return (loading ? "Failed to open document." : "Failed to save document.") + Reason(*f, fileName);
    }
    return loading ? "Failed to open document." : "Failed to save document.";
}

} // namespace

std::string LoadErrorMessage(const std::exception& e, const std::string& fileName) {
    return Message(e, fileName, true);
}

std::string SaveErrorMessage(const std::exception& e, const std::string& fileName) {
    return Message(e, fileName, false);
}
