// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// File access for the documents. Errors are CFileException with the cause the
// user is told about; the file name in them is the path as given.

// A file-status query: true when path names an existing regular file.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
std::optional<uint64_t> FileSize(const std::string& path);

// The most each kind of file is taken to hold: far more than any valid file
// of its kind (a year's plan is about 100 KB; its history grows by some bytes
// a reading), so that a file too large is refused before it is read into memory.
inline constexpr uint64_t kMaxPlanFileBytes = uint64_t(64) << 20;     // .vnpln, .vnpro
inline constexpr uint64_t kMaxNotesFileBytes = uint64_t(128) << 20;   // .vnnot: 4 KB for every verse
inline constexpr uint64_t kMaxReaderFileBytes = uint64_t(16) << 20;   // Scrivane.vnrdr
inline constexpr uint64_t kMaxTemplateFileBytes = uint64_t(16) << 20; // templates and reading lists

// Reads the whole file. A file larger than maxBytes is refused (tooLarge)
// without being read; anything but a regular file (a directory, a FIFO, a
// device) is refused without blocking (invalidFile).
std::string ReadWholeFile(const std::string& path, uint64_t maxBytes = kMaxPlanFileBytes);

// The file a save of path writes: path itself, or, where path is a symbolic
// link, the file it leads to when that lies in path's directory or the one
// above it (a reader's directory and the base directory), so that the link
// stays. A link leading further away is refused (linkOutside).
std::string SaveTarget(const std::string& path);

// Writes bytes to a temporary file beside path (SaveTarget), flushes it to
// disk and renames it over path: the old file survives any failure during
// the write. A file
// that is read-only for its owner is refused with accessDenied. Temporary
// files an earlier crash left beside path are removed first, and the
// directory is synced after the rename.
void SaveFileAtomic(const std::string& path, std::string_view bytes);

// The pieces of an atomic save, for saves that change several files at once
// (FileTransaction.h). CheckSaveTarget throws what SaveFileAtomic would for a
// directory or a read-only file in the way; WriteTemporary writes and syncs
// path + ".tmp-XXXXXX" (with path's permissions) and returns its name;
// errors name path.
void CheckSaveTarget(const std::string& path);
std::string WriteTemporary(const std::string& path, std::string_view bytes);

// WriteTemporary in two steps, so that several files reach the disk side by
// side: the constructor writes the bytes and starts them on their way, Finish
// syncs the file and returns its name. A temporary not finished is removed.
class CTemporaryFile {
public:
    CTemporaryFile(const std::string& path, std::string_view bytes);
    ~CTemporaryFile();
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    const std::string& Name() const { return name_; }
    std::string Finish();

private:
    [[noreturn]] void Fail(int err);

    std::string target_;
    std::string name_;
    int fd_ = -1;
    bool finished_ = false;
};

// Removes the path + ".tmp-XXXXXX" files a crash left behind.
void RemoveStaleTemporaries(const std::string& path);
bool IsTemporaryName(std::string_view entry, std::string_view fileName);
// fsync of a directory, so that renames in it survive a power loss. The
// error (errno) when the disk failed; 0 also where the file system cannot
// sync a directory at all.
int SyncDirectory(const std::string& directory);
// The directory part of a path ("." when there is none).
std::string ParentDirectory(const std::string& path);
// mkdir with mode 0777 (less the umask), the parent synced; false on failure (errno set).
bool MakeDirectory(const std::string& path);

// Called after every write, sync, rename, unlink and mkdir of the file layer.
// For the crash tests: SCRIVANE_CRASH_AFTER_FILE_OPS=N kills the process with
// SIGKILL right after its N-th such operation.
void NoteFileOperation();
// The same from within a test process (0 turns it off); counting starts again.
void SetCrashAfterFileOperations(long n);

// Moves a file that failed to load out of the way (path + ".damaged", or
// ".damaged2" … when that exists), so that nothing new overwrites it. Returns
// the new path, or empty when the file could not be moved.
std::string KeepAside(const std::string& path);

// Joins the base directory and a stored stem in its backslash form
// ("\Bob (John Smith)\Bob") into a native path.
std::string JoinStem(const std::string& baseDirectory, std::string_view stem);

// The file's name without directory and without extension ("Default" of
// "/x/Default.vntpl"), its name with extension, and its extension in lower
// case without the dot.
std::string FileTitle(std::string_view path);
std::string FileNameOf(std::string_view path);
std::string LowerExtension(std::string_view path);

// Completes the short extension ".vnt" to ".vntpl"; other paths unchanged.
std::string CompleteTemplateExtension(std::string_view path);

// Writable bits for the owner, group and others on (false) or off (true).
void SetReadOnly(const std::string& path, bool readOnly);
bool IsReadOnly(const std::string& path);
