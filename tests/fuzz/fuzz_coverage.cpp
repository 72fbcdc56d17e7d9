// SPDX-License-Identifier: GPL-3.0-or-later
// The coverage statistics, the schedule and the unread chapters' import over
// whatever a damaged plan and history file give: the first byte says where
// the history ends and the plan begins.
#include "FuzzPlanDoc.h"
#include "coverage/Coverage.h"
#include "coverage/GapsPlan.h"
#include "coverage/PlanSchedule.h"
#include "foundation/Archive.h"

#include <cstdint>
#include <exception>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t cut = bytes.size() * data[0] / 255;
    FuzzPlanDoc f;
    try {
        CArchive history(bytes.substr(0, cut));
        f.doc.SerializeHistory(history);
    } catch (const std::exception&) {
    }
    try {
        CArchive plan(bytes.substr(cut));
        f.doc.Serialize(plan);
    } catch (const std::exception&) {
    }
    const CCoverage coverage = CCoverage::FromDocument(f.doc);
    // The chapters the history reaches the end of, where short arrays stop.
    for (const ChapterCoverage& c : coverage.Chapters())
        if (c.known != 0 && c.known != c.verses) (void)CoverageDescription(c);
    (void)CoverageLine(coverage.Chapters().back());
    (void)coverage.WholeTotals();
    const PlanSchedule s = ComputeSchedule(f.doc, CJJulian::Day(2026, 12, 7));
    (void)s.StatusText();
    GapsPlanRequest request;
    request.days = 1 + data[0] * 7u;
    request.startDate = CJJulian::Day(2026, 12, 7);
    (void)MakeGapsPlanText(coverage, request);
    return 0;
}
