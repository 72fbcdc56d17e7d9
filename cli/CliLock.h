// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/DirectoryLock.h"

#include <iosfwd>
#include <string>

// Every command holds the lock of the directory whose files it reads and
// writes from before it loads until after it saves, so two commands (or a
// command and the program) never interleave their saves. A command waits a
// few seconds for another to finish, then gives up with a message.
// SCRIVANE_LOCK_WAIT_MS sets the wait (for the tests).
//
// False, with the message on err, when the lock could not be had; a
// directory that does not exist yet needs no lock and gives true. A command
// that only looks (writes false) does not wait: while another program holds
// the directory it reads the files as they were last saved.
bool LockForCommand(CDirectoryLock& lock, const std::string& directory, bool writes, std::ostream& err);
