// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliLock.h"

#include "CliText.h"

#include <cerrno>
#include <cstdlib>
#include <ostream>
#include <sys/stat.h>

namespace {

std::chrono::milliseconds Wait() {
    if (const char* v = std::getenv("SCRIVANE_LOCK_WAIT_MS")) return std::chrono::milliseconds(std::atol(v));
    return std::chrono::seconds(5);
}

} // namespace

bool LockForCommand(CDirectoryLock& lock, const std::string& directory, bool writes, std::ostream& err) {
    // Every save is a rename of a whole file, and an interrupted one is read as it will be
    // finished: a command that only looks reads the last saved files of a directory another
    // program holds (the window of an open reader) rather than wait for it.
    if (!writes &&
        (lock.Acquire(directory, std::chrono::milliseconds(0), std::string()) || !lock.Holder().empty()))
        return true;
    if (lock.Acquire(directory, Wait(), writes ? "scrivane-cli" : std::string())) return true;
    struct stat st {};
    if (lock.Holder().empty() && ::stat(directory.empty() ? "." : directory.c_str(), &st) != 0) return true;
    err << "scrivane-cli: " << CliMessage(lock.RefusalMessage(directory)) << "\n";
    return false;
}
