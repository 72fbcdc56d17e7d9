// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into scrivane-cli by the tests (LD_PRELOAD) to make the disk fail
// where no real disk can be made to on demand:
//   SCRIVANE_FAIL_DIRECTORY_FSYNC   any fsync of a directory fails with EIO;
//   SCRIVANE_FAIL_RENAME_TO=SUFFIX  a rename onto a path ending in SUFFIX fails with EIO.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

template <typename F> F Real(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

bool EndsWith(const char* s, const char* suffix) {
    const size_t n = std::strlen(s), m = std::strlen(suffix);
    return m <= n && std::strcmp(s + n - m, suffix) == 0;
}

} // namespace

extern "C" int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    struct stat st {};
    if (std::getenv("SCRIVANE_FAIL_DIRECTORY_FSYNC") && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) {
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    const char* suffix = std::getenv("SCRIVANE_FAIL_RENAME_TO");
    if (suffix && *suffix && EndsWith(to, suffix)) {
        errno = EIO;
        return -1;
    }
    return real(from, to);
}
