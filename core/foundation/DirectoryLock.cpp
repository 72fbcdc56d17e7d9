// SPDX-License-Identifier: GPL-3.0-or-later
#include "DirectoryLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::string ReadHolder(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return {};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {};
    }
    char buf[512];
    ssize_t n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    if (n <= 0) return {};
    std::string text(buf, static_cast<size_t>(n));
    if (size_t nl = text.find('\n'); nl != std::string::npos) text.resize(nl);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return text;
}

std::string HostName() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0) return "this computer";
    return buf;
}

} // namespace

CDirectoryLock::~CDirectoryLock() {
    Release();
}

bool CDirectoryLock::Acquire(const std::string& directory, std::chrono::milliseconds wait,
                             const std::string& program) {
    Release();
    holder_.clear();
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const std::string dir = directory.empty() ? "." : directory;
    for (;;) {
        int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The directory may have been renamed or removed while we waited: the lock
            // counts only if the name still leads to the directory that is locked.
            struct stat byName {
            }, byFd{};
            if (::stat(dir.c_str(), &byName) == 0 && ::fstat(fd, &byFd) == 0 &&
                byName.st_dev == byFd.st_dev && byName.st_ino == byFd.st_ino) {
                fd_ = fd;
                break;
            }
            ::close(fd);
            if (std::chrono::steady_clock::now() >= deadline) {
                errno = ENOENT;
                return false;
            }
            continue;
        }
        int err = errno;
        ::close(fd);
        if (err != EWOULDBLOCK && err != EINTR) {
            errno = err;
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            std::string who = ReadHolder(dir + "/" + kHolderFileName);
            holder_ = who.empty() ? "another Scrivane program" : who;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!program.empty()) {
        holderFile_ = dir + "/" + kHolderFileName;
        // Not blocking, and only into a plain file: a FIFO or a device put in its
        // place must neither hang the program nor receive the note.
        int fd = ::open(holderFile_.c_str(),
                        O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0644);
        struct stat st {};
        if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::ftruncate(fd, 0) != 0)) {
            ::close(fd);
            fd = -1;
        }
        if (fd >= 0) {
            const std::string text =
                program + " (process " + std::to_string(::getpid()) + " on " + HostName() + ")\n";
            // Only a courtesy to whoever waits: the lock holds without it.
            (void)!::write(fd, text.data(), text.size());
            ::close(fd);
        } else {
            holderFile_.clear();
        }
    }
    return true;
}

void CDirectoryLock::Release() {
    if (fd_ < 0) return;
    // Removed while the lock is still held, so it never names a later holder.
    if (!holderFile_.empty()) ::unlink(holderFile_.c_str());
    holderFile_.clear();
    ::close(fd_);
    fd_ = -1;
}

std::string CDirectoryLock::RefusalMessage(const std::string& directory) const {
    if (holder_.empty())
        return "The directory\n" + directory +
               "\ncould not be opened to keep other programs out while it changes.";
    return "The files in\n" + directory + "\nare being changed by " + holder_ +
           ".\nNothing was changed; please try again when it has finished.";
}
