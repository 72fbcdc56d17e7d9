// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderFile.h"

#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"

#include "ReaderEnvironment.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

// Reads the whole file or throws; nothing is changed on failure.
void ReadReaderBytes(std::string bytes, const std::string& fileName, std::string& lastReader,
                     CReaderArray& readers) {
    CArchive ar(std::move(bytes), fileName);
    std::string last = ar.ReadString();
    CReaderArray loaded;
    loaded.Serialize(ar);
    lastReader = std::move(last);
    for (int i = 0; i < loaded.GetCount(); ++i)
        readers.Append(loaded.At(i));
}

// Throws the read error of a file that cannot be read at all (that is no
// damage: it must be neither moved nor written over).
bool ReadsAsReaderFile(const std::string& path) {
    std::string bytes = ReadWholeFile(path, kMaxReaderFileBytes);
    try {
        std::string last;
        CReaderArray readers;
        ReadReaderBytes(std::move(bytes), path, last, readers);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The file's bytes; empty when there is no file.
std::string ReaderFileContents(const std::string& path) {
    try {
        return ReadWholeFile(path, kMaxReaderFileBytes);
    } catch (const CFileException& e) {
        if (e.cause == CFileException::fileNotFound) return {};
        throw;
    }
}

} // namespace

std::string ReaderFilePath(const std::string& baseDirectory) {
    return JoinStem(baseDirectory, kReaderFileStem);
}

void ReadReaderFile(const std::string& baseDirectory, std::string& lastReader, CReaderArray& readers) {
    if (baseDirectory.empty()) return;
    const std::string path = ReaderFilePath(baseDirectory);
    // Before a reader command finishes an interrupted one, the reader file is read as it will be.
    std::string bytes =
        ReaderFileContents(CFileTransaction::PendingReadPath(ReaderCommitRecordPath(baseDirectory), path));
    if (bytes.empty()) return;
    ReadReaderBytes(std::move(bytes), FileNameOf(path), lastReader, readers);
}

ReaderFileLoad LoadReaderFile(const std::string& baseDirectory, std::string& lastReader,
                              CReaderArray& readers) {
    ReaderFileLoad result;
    try {
        ReadReaderFile(baseDirectory, lastReader, readers);
    } catch (const CFileException& e) {
        // Not read is not damaged: the file stays where it is.
        result.ok = false;
        result.unreadable = true;
        result.message = LoadErrorMessage(e, ReaderFilePath(baseDirectory));
    } catch (const std::exception& e) {
        const std::string path = ReaderFilePath(baseDirectory);
        result.ok = false;
        result.message = LoadErrorMessage(e, FileNameOf(path));
        result.keptAside = KeepAside(path);
    }
    return result;
}

std::string ReaderFileBytes(const std::string& lastReader, CReaderArray& readers) {
    CArchive ar;
    ar.WriteString(lastReader);
    readers.Serialize(ar);
    return ar.Bytes();
}

void PrepareReaderFileSave(const std::string& baseDirectory) {
    const std::string path = ReaderFilePath(baseDirectory);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !(S_ISREG(st.st_mode) && st.st_size == 0) &&
        !ReadsAsReaderFile(path) && KeepAside(path).empty())
        throw CFileException(CFileException::accessDenied, path);
}

void SaveReaderFile(const std::string& baseDirectory, const std::string& lastReader, CReaderArray& readers) {
    const std::string path = ReaderFilePath(baseDirectory);
    std::string bytes = ReaderFileBytes(lastReader, readers);
    PrepareReaderFileSave(baseDirectory);
    SaveFileAtomic(path, bytes);
}

std::string ReaderCommitRecordPath(const std::string& baseDirectory) {
    return ReaderFilePath(baseDirectory) + ".commit";
}

namespace {

bool IsLeftoverDirectoryName(std::string_view name) {
    for (const std::string_view prefix : {kNewReaderDirectoryPrefix, kDeletedReaderDirectoryPrefix}) {
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix) continue;
        return std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                           [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
    }
    return false;
}

} // namespace

bool RecoverReaderCommit(const std::string& baseDirectory, std::string* error) {
    if (baseDirectory.empty()) return true;
    const std::string record = ReaderCommitRecordPath(baseDirectory);
    if (!CFileTransaction::Recover(record, error)) return false;
    RemoveStaleTemporaries(record);
    RemoveStaleTemporaries(ReaderFilePath(baseDirectory));
    std::vector<std::string> leftovers;
    if (DIR* d = ::opendir(baseDirectory.c_str())) {
        while (dirent* e = ::readdir(d))
            if (IsLeftoverDirectoryName(e->d_name)) leftovers.push_back(baseDirectory + "/" + e->d_name);
        ::closedir(d);
    }
    for (const std::string& dir : leftovers)
        CReaderEnvironment::DeleteDirectoryTree(dir);
    return true;
}

std::string UnusedReaderDirectoryName(const std::string& baseDirectory, const char* prefix) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (;;) {
        std::string name = baseDirectory + "/" + prefix;
        for (int i = 0; i < 6; ++i)
            name += kLetters[random() % (sizeof kLetters - 1)];
        struct stat st {};
        if (::lstat(name.c_str(), &st) != 0) return name;
    }
}
