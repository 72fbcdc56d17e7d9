#include "ReaderFile.h"

#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"

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

bool ReadsAsReaderFile(const std::string& path) {
    try {
        std::string last;
        CReaderArray readers;
        ReadReaderBytes(ReadWholeFile(path), path, last, readers);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::string ReaderFilePath(const std::string& baseDirectory) {
    return JoinStem(baseDirectory, kReaderFileStem);
}

void ReadReaderFile(const std::string& baseDirectory, std::string& lastReader, CReaderArray& readers) {
    if (baseDirectory.empty()) return;
    const std::string path = ReaderFilePath(baseDirectory);
    auto size = FileSize(path);
    if (!size || *size == 0) return;
    ReadReaderBytes(ReadWholeFile(path), FileNameOf(path), lastReader, readers);
}

ReaderFileLoad LoadReaderFile(const std::string& baseDirectory, std::string& lastReader,
                              CReaderArray& readers) {
    ReaderFileLoad result;
    try {
        ReadReaderFile(baseDirectory, lastReader, readers);
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
    auto size = FileSize(path);
    if (size && *size > 0 && !ReadsAsReaderFile(path) && KeepAside(path).empty())
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

bool RecoverReaderCommit(const std::string& baseDirectory, std::string* error) {
    if (baseDirectory.empty()) return true;
    return CFileTransaction::Recover(ReaderCommitRecordPath(baseDirectory), error);
}
