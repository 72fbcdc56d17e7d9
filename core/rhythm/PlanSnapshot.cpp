// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanSnapshot.h"

#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"
#include "reader/ReaderFile.h"

CPlanSnapshot::CPlanSnapshot(const std::string& baseDirectory, const std::string& stem,
                             const std::string& displayName) {
    path_ = JoinStem(baseDirectory, stem) + ".vnpln";
    // An empty stem keeps the document from ever touching a file; the plan is read in by hand below.
    context_.baseDirectory = baseDirectory;
    context_.displayName = displayName;
    doc_ = std::make_unique<CReadingPlanDoc>(ui_, context_);
    doc_->OnNewDocument();
    // Looking only: an interrupted save is read as it will be finished, and left to the next writer.
    // An Edit Reader not finished yet still keeps the files under their old names.
    const std::string readerRecord =
        baseDirectory.empty() ? std::string() : ReaderCommitRecordPath(baseDirectory);
    auto now = [&](const std::string& p) {
        return readerRecord.empty() ? p : CFileTransaction::PendingReadPath(readerRecord, p);
    };
    const std::string source =
        CFileTransaction::PendingReadPath(now(JoinStem(baseDirectory, stem) + ".commit"), now(path_));
    if (!FileExists(source)) return;
    try {
        CArchive ar(ReadWholeFile(source), path_);
        doc_->Serialize(ar);
        state_ = State::loaded;
    } catch (const std::exception& e) {
        state_ = State::damaged;
        message_ = LoadErrorMessage(e, path_);
        // What was read before the failure is no plan to show.
        doc_ = std::make_unique<CReadingPlanDoc>(ui_, context_);
        doc_->OnNewDocument();
    }
}
