// SPDX-License-Identifier: GPL-3.0-or-later
#include "LookingPaths.h"

#include "ReaderFile.h"

#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"

std::string PathForLooking(const std::string& path) {
    const std::string base = ParentDirectory(ParentDirectory(path));
    return CFileTransaction::PendingReadPath(ReaderCommitRecordPath(base), path);
}

std::string StemForLooking(const std::string& stemPath) {
    // The stem's files are renamed together, so the plan file stands for them all.
    const std::string plan = PathForLooking(stemPath + ".vnpln");
    return plan.substr(0, plan.size() - 6);
}
