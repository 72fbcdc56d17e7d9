#include "ErrorMessages.h"

#include "Exceptions.h"

namespace {

std::string Message(const std::exception& e, const std::string& fileName, bool loading) {
    if (auto a = dynamic_cast<const CArchiveException*>(&e)) {
        switch (a->cause) {
        case CArchiveException::endOfFile:
        case CArchiveException::badIndex:
        case CArchiveException::badClass:
        case CArchiveException::badSchema:
            return kUnexpectedFileFormat;
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
        case CFileException::sharingViolation:
        case CFileException::lockViolation:
            return loading
                       ? "Unable to read from " + fileName + ", it is opened by someone else."
                       : "Unable to write to " + fileName + ", it is read-only or opened by someone else.";
        case CFileException::diskFull:
            return "Destination disk drive is full.";
        case CFileException::endOfFile:
            return kUnexpectedFileFormat;
        default:
            break;
        }
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
