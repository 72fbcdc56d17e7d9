#include "PlanSnapshot.h"

#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"

CPlanSnapshot::CPlanSnapshot(const std::string& baseDirectory, const std::string& stem,
                             const std::string& displayName) {
    path_ = JoinStem(baseDirectory, stem) + ".vnpln";
    // An empty stem keeps the document from ever touching a file; the plan is read in by hand below.
    context_.baseDirectory = baseDirectory;
    context_.displayName = displayName;
    doc_ = std::make_unique<CReadingPlanDoc>(ui_, context_);
    doc_->OnNewDocument();
    if (!FileExists(path_)) return;
    try {
        CArchive ar(ReadWholeFile(path_), path_);
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
