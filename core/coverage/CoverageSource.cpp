// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverageSource.h"

#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"
#include "plan/ReadingPlanDoc.h"

CoverageLoad LoadForReading(CReadingPlanDoc& doc, const std::string& baseDirectory, const std::string& stem) {
    CoverageLoad result;
    const std::string base = JoinStem(baseDirectory, stem);
    for (const bool plan : {true, false}) {
        const std::string path = base + (plan ? ".vnpln" : ".vnpro");
        // Looking only: an interrupted save is read as it will be finished, and left to the next writer.
        const std::string source = CFileTransaction::PendingReadPath(base + ".commit", path);
        if (!FileExists(source)) continue;
        (plan ? result.planFound : result.historyFound) = true;
        try {
            CArchive ar(ReadWholeFile(source), path);
            if (plan)
                doc.Serialize(ar);
            else
                doc.SerializeHistory(ar);
        } catch (const std::exception& e) {
            result.error = LoadErrorMessage(e, path);
            return result;
        }
    }
    return result;
}
