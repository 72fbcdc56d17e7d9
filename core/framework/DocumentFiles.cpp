// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentFiles.h"

#include "ReaderContext.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace {

std::filesystem::path Resolved(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
    if (ec) p = std::filesystem::absolute(path, ec).lexically_normal();
    return p;
}

} // namespace

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    if (a == b) return true;
    return Resolved(a) == Resolved(b);
}

bool HoldsFile(const std::vector<std::string>& files, const std::string& path) {
    return std::any_of(files.begin(), files.end(), [&](const std::string& f) { return SameFile(f, path); });
}

bool IsReaderDataFile(const std::string& path) {
    const std::string ext = LowerExtension(path);
    return ext == "vnpln" || ext == "vnpro" || ext == "vnnot" || ext == "vnrdr";
}

std::vector<std::string> EnvironmentFiles(const CReaderContext& reader) {
    if (reader.displayName.empty()) return {};
    std::vector<std::string> files;
    if (!reader.fileStem.empty())
        for (const char* ext : {".vnpln", ".vnpro", ".vnnot"})
            files.push_back(JoinStem(reader.baseDirectory, reader.fileStem + ext));
    if (!reader.generalNotesPath.empty()) files.push_back(reader.generalNotesPath);
    return files;
}

std::string RefuseFileForText(const std::string& target, const std::string& ownPath,
                              const std::vector<std::string>& heldElsewhere, bool saving) {
    if (IsReaderDataFile(target))
        return target + (saving
                             ? "\nThis is one of Scrivane's reader files, and general notes cannot be saved "
                               "over it.\nChoose another name."
                             : "\nThis is one of Scrivane's reader files; it cannot be opened as general "
                               "notes.");
    if (!SameFile(target, ownPath) && HoldsFile(heldElsewhere, target))
        return target + "\nThis file is open in another window. Close that window first, or choose another " +
               (saving ? "name." : "file.");
    return {};
}

std::vector<size_t> DocumentsInTheWay(const std::vector<std::string>& openFiles,
                                      const std::vector<std::string>& environmentFiles) {
    std::vector<size_t> found;
    for (size_t i = 0; i < openFiles.size(); ++i)
        if (HoldsFile(environmentFiles, openFiles[i])) found.push_back(i);
    return found;
}

namespace {

// Anything in the file's place counts: loading it then says why it cannot be read.
bool Present(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

std::string MissingDirectoryMessage(const std::string& path) {
    const std::string dir = ParentDirectory(path);
    if (DirectoryExists(dir)) return {};
    return "The directory\n" + dir + "\ndoes not exist, so nothing was written to\n" + FileNameOf(path) +
           ".\nPlease verify that the correct path and file name are given.";
}

std::string MissingFileMessage(const std::string& path) {
    if (Present(path)) return {};
    return LoadErrorMessage(CFileException(CFileException::fileNotFound, path), path);
}

std::string MissingPlanMessage(const std::string& stemPath) {
    if (Present(stemPath + ".vnpro")) return {};
    return MissingFileMessage(stemPath + ".vnpln");
}
