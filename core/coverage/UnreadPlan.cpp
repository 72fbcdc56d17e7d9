// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnreadPlan.h"

#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "framework/UiServices.h"
#include "plan/ReadingPlanDoc.h"

#include <filesystem>

std::string UnreadPlanPath(const std::string& baseDirectory, const std::string& stem) {
    const std::filesystem::path planBase(JoinStem(baseDirectory, stem));
    return (planBase.parent_path() / (std::string(kGapsPlanTitle) + ".txt")).string();
}

bool NewPlanFromUnreadChapters(CReadingPlanDoc& doc, const GapsPlanRequest& request,
                               const std::string& path) {
    const CCoverage coverage = CCoverage::FromDocument(doc);
    const bool nothing = coverage.UnreadChapters().empty();
    const std::string text = nothing ? std::string() : MakeGapsPlanText(coverage, request);
    if (text.empty()) {
        doc.Ui().MessageBox(
            {nothing ? kNothingUnread : kNoGapsReadingDay, MbButtons::ok, MbIcon::information, 0});
        return false;
    }
    if (!doc.ConfirmNewPlan()) return false;
    try {
        SaveFileAtomic(path, text);
    } catch (const std::exception& e) {
        ReportError(doc.Ui(), SaveErrorMessage(e, path));
        return false;
    }
    return doc.NewPlanFromFile(path);
}
