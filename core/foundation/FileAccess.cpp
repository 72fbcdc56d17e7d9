// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileAccess.h"

#include "Exceptions.h"
#include "Prefault.h"
#include "TextCodec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<uint64_t> FileSize(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<uint64_t>(st.st_size);
}

std::string ReadWholeFile(const std::string& path, uint64_t maxBytes) {
    if (path.empty()) throw CFileException(CFileException::badPath, path);
    // Not blocking: a FIFO in the file's place must not hang the program.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) throw CFileException::FromErrno(errno, path);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        throw CFileException::FromErrno(err, path);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (S_ISDIR(st.st_mode)) throw CFileException(CFileException::invalidFile, path, EISDIR);
        throw CFileException(CFileException::invalidFile, path);
    }
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        throw CFileException(CFileException::tooLarge, path);
    }
    auto readInto = [&](char* to, size_t n) -> size_t {
        for (;;) {
            const ssize_t got = ::read(fd, to, n);
            if (got >= 0) return static_cast<size_t>(got);
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            throw CFileException::FromErrno(err, path);
        }
    };
    // Read straight into the string, sized to the file, whose pages are
    // mapped in one call beforehand.
    std::string data;
    const auto expected = static_cast<size_t>(st.st_size);
    data.reserve(expected);
    PrefaultForWriting(data.data(), expected);
    data.resize(expected);
    size_t filled = 0;
    while (filled < expected) {
        const size_t got = readInto(data.data() + filled, expected - filled);
        if (got == 0) break;
        filled += got;
    }
    data.resize(filled);
    if (filled == expected) {
        // The file may have grown since it was measured; it is held to the same limit.
        char buf[65536];
        for (size_t got; (got = readInto(buf, sizeof buf)) != 0;) {
            data.append(buf, got);
            if (data.size() > maxBytes) {
                ::close(fd);
                throw CFileException(CFileException::tooLarge, path);
            }
        }
    }
    ::close(fd);
    return data;
}

bool IsReadOnly(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR);
}

void SetReadOnly(const std::string& path, bool readOnly) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw CFileException::FromErrno(errno, path);
    mode_t mode = st.st_mode & 07777;
    if (readOnly)
        mode &= ~(S_IWUSR | S_IWGRP | S_IWOTH);
    else
        mode |= S_IWUSR;
    if (::chmod(path.c_str(), mode) != 0) throw CFileException::FromErrno(errno, path);
}

namespace {

long& CrashLimit() {
    // Read once: the crash tests give each run of a program its own number.
    static long limit = [] {
        const char* v = std::getenv("SCRIVANE_CRASH_AFTER_FILE_OPS");
        return v ? std::strtol(v, nullptr, 10) : 0L;
    }();
    return limit;
}

long fileOperations = 0;

} // namespace

void SetCrashAfterFileOperations(long n) {
    CrashLimit() = n;
    fileOperations = 0;
}

void NoteFileOperation() {
    const long limit = CrashLimit();
    if (limit > 0 && ++fileOperations >= limit) ::raise(SIGKILL);
}

int SyncDirectory(const std::string& directory) {
    int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    NoteFileOperation();
    // Some file systems cannot sync a directory, which is no failure of this one.
    if (err == EINVAL || err == EROFS || err == ENOTSUP || err == EBADF) err = 0;
    return err;
}

std::string ParentDirectory(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsTemporaryName(std::string_view entry, std::string_view fileName) {
    constexpr std::string_view kTmp = ".tmp-";
    if (entry.size() != fileName.size() + kTmp.size() + 6) return false;
    if (entry.substr(0, fileName.size()) != fileName || entry.substr(fileName.size(), kTmp.size()) != kTmp)
        return false;
    for (char c : entry.substr(fileName.size() + kTmp.size()))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

void RemoveStaleTemporaries(const std::string& path) {
    const std::string dir = ParentDirectory(path);
    const std::string name = FileNameOf(path);
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    std::vector<std::string> stale;
    while (dirent* e = ::readdir(d))
        if (IsTemporaryName(e->d_name, name)) stale.emplace_back(e->d_name);
    ::closedir(d);
    for (const std::string& entry : stale) {
        const std::string full = dir + "/" + entry;
        struct stat st {};
        // Only what a save could have left: a plain file, never a link or directory.
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(full.c_str()) == 0)
            NoteFileOperation();
    }
}

void CheckSaveTarget(const std::string& path) {
    if (path.empty()) throw CFileException(CFileException::badPath, path);
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) return;
    if (S_ISDIR(old.st_mode)) throw CFileException(CFileException::invalidFile, path, EISDIR);
    // Renaming over a read-only file would succeed; the user asked for it to stay.
    if (!(old.st_mode & S_IWUSR)) throw CFileException(CFileException::accessDenied, path, EACCES);
}

CTemporaryFile::CTemporaryFile(const std::string& path, std::string_view bytes) : target_(path) {
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    name_ = path + ".tmp-XXXXXX";
    fd_ = ::mkstemp(name_.data());
    if (fd_ < 0) throw CFileException::FromErrno(errno, path);
    NoteFileOperation();
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        done += static_cast<size_t>(n);
        NoteFileOperation();
    }
    mode_t mode = existed ? (old.st_mode & 07777) : 0666;
    if (!existed) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    // Before the sync, so that the permissions reach the disk with the bytes.
    if (::fchmod(fd_, mode) != 0) Fail(errno);
    // The disk starts on these bytes now; Finish waits for them. Several
    // files started before any is finished are written side by side.
    (void)::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

CTemporaryFile::~CTemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!finished_) ::unlink(name_.c_str());
}

void CTemporaryFile::Fail(int err) {
    ::close(fd_);
    fd_ = -1;
    ::unlink(name_.c_str());
    finished_ = true;
    throw CFileException::FromErrno(err, target_);
}

std::string CTemporaryFile::Finish() {
    if (::fsync(fd_) != 0) Fail(errno);
    NoteFileOperation();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(name_.c_str());
        finished_ = true;
        throw CFileException::FromErrno(err, target_);
    }
    finished_ = true;
    return name_;
}

std::string WriteTemporary(const std::string& path, std::string_view bytes) {
    return CTemporaryFile(path, bytes).Finish();
}

namespace {

std::string RealDirectory(const std::string& dir) {
    char* real = ::realpath(dir.c_str(), nullptr);
    if (!real) return {};
    std::string out = real;
    std::free(real);
    return out;
}

} // namespace

std::string SaveTarget(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    // Followed link by link, so that a target that does not exist yet is made where it leads.
    std::string at = path;
    for (int hops = 0; hops < 40 && ::lstat(at.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++hops) {
        std::string to(static_cast<size_t>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(at.c_str(), to.data(), to.size());
        if (n <= 0 || static_cast<size_t>(n) >= to.size())
            throw CFileException(CFileException::linkOutside, path);
        to.resize(static_cast<size_t>(n));
        at = to.front() == '/' ? to : ParentDirectory(at) + "/" + to;
    }
    const std::string dir = RealDirectory(ParentDirectory(at));
    const std::string allowed = RealDirectory(ParentDirectory(RealDirectory(ParentDirectory(path))));
    if (::lstat(at.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        throw CFileException(CFileException::linkOutside, path);
    const std::string name = FileNameOf(at);
    if (dir.empty() || allowed.empty() || name.empty() || name == "." || name == ".." ||
        !(dir == allowed || dir.compare(0, allowed.size() + 1, allowed == "/" ? "/" : allowed + "/") == 0))
        throw CFileException(CFileException::linkOutside, path);
    return dir + "/" + name;
}

void SaveFileAtomic(const std::string& given, std::string_view bytes) {
    const std::string path = SaveTarget(given);
    CheckSaveTarget(path);
    RemoveStaleTemporaries(path);
    std::string tmp = WriteTemporary(path, bytes);
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        throw CFileException::FromErrno(err, path);
    }
    NoteFileOperation();
    // Without this a power loss could still bring back the old file.
    if (int err = SyncDirectory(ParentDirectory(path)); err != 0) throw CFileException::FromErrno(err, path);
}

bool MakeDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) return false;
    NoteFileOperation();
    // The directory is there; a failing disk shows at the first file saved in it.
    (void)SyncDirectory(ParentDirectory(path));
    return true;
}

std::string KeepAside(const std::string& path) {
    std::string target = path + ".damaged";
    for (int i = 2; i < 1000 && ::access(target.c_str(), F_OK) == 0; ++i)
        target = path + ".damaged" + std::to_string(i);
    // Every name taken: the file stays where it is rather than replace an earlier copy.
    if (::access(target.c_str(), F_OK) == 0) return {};
    if (::rename(path.c_str(), target.c_str()) != 0) return {};
    return target;
}

std::string JoinStem(const std::string& baseDirectory, std::string_view stem) {
    std::string s(stem);
    for (char& c : s)
        if (c == '\\') c = '/';
    if (baseDirectory.empty()) return s;
    std::string base = baseDirectory;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    if (!s.empty() && s.front() == '/') return base == "/" ? s : base + s;
    return base == "/" ? "/" + s : base + "/" + s;
}

std::string FileNameOf(std::string_view path) {
    size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FileTitle(std::string_view path) {
    std::string name = FileNameOf(path);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string LowerExtension(std::string_view path) {
    std::string name = FileNameOf(path);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : ToLowerAscii(name.substr(dot + 1));
}

std::string CompleteTemplateExtension(std::string_view path) {
    std::string p(path);
    if (LowerExtension(p) == "vnt") p = p.substr(0, p.size() - 3) + "vntpl";
    return p;
}
