// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <string>

// One writer at a time in a directory: an advisory lock (flock) on the
// directory itself, which the kernel drops when the holder dies, so a crashed
// program never blocks the next. Locking the directory rather than a file in
// it creates nothing, keeps working when the directory is renamed, and lets a
// command that only reads take it too.
//
// Who holds it is written to kHolderFileName in the directory while the lock
// is held, so that a refused program can say which one it waits for.
class CDirectoryLock {
public:
    static constexpr const char* kHolderFileName = "Scrivane.lock";

    CDirectoryLock() = default;
    ~CDirectoryLock();
    CDirectoryLock(const CDirectoryLock&) = delete;
    CDirectoryLock& operator=(const CDirectoryLock&) = delete;

    // Takes the lock on directory, trying for up to wait. program names the
    // holder in the holder file; with an empty program no holder file is
    // written (for a command that only reads). False when another program
    // held it all the time (Holder() then says who) or the directory cannot
    // be opened (Holder() empty, errno set).
    bool Acquire(const std::string& directory, std::chrono::milliseconds wait, const std::string& program);
    void Release();

    // After a refusal: "PROGRAM (process PID on HOST)" of the holder, or
    // "another Scrivane program" when it did not say.
    const std::string& Holder() const { return holder_; }

    // The text for a refusal, for the command line and the GUI.
    std::string RefusalMessage(const std::string& directory) const;

private:
    int fd_ = -1;
    std::string holderFile_;
    std::string holder_;
};
