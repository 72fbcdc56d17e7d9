// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverageCommands.h"
#include "CliText.h"
#include "CliUiServices.h"

#include "coverage/Coverage.h"
#include "coverage/CoverageSource.h"
#include "coverage/GapsPlan.h"
#include "coverage/PlanSchedule.h"
#include "foundation/Clock.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "framework/DocumentFiles.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/LookingPaths.h"

#include <ostream>
#include <sstream>

namespace {

const char* const kCoverageUsage = "coverage STEM";
const char* const kGapsUsage =
    "plan gaps STEM OUT.txt --days N --weekdays SMTWTFS (seven 0 or 1, Sunday first)";

// A document that only looks: set up without a stem, it never writes.
struct ReadOnlyPlan {
    CReaderContext reader;
    CCliUiServices ui;
    CReadingPlanDoc doc;
    explicit ReadOnlyPlan(std::ostream& err) : ui(err, false), doc(ui, reader) { doc.OnNewDocument(); }
};

bool Load(ReadOnlyPlan& p, const std::string& given, std::ostream& err) {
    const std::string stem = StemForLooking(JoinStem("", given));
    std::string why = MissingPlanMessage(stem);
    if (why.empty()) why = LoadForReading(p.doc, "", stem).error;
    if (why.empty()) return true;
    err << "scrivane-cli: " << CliMessage(why) << "\n";
    return false;
}

int Coverage(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return UsageError(err, kCoverageUsage);
    ReadOnlyPlan p(err);
    if (!Load(p, args[0], err)) return 1;
    std::ostringstream text;
    const CCoverage coverage = CCoverage::FromDocument(p.doc);
    for (const ChapterCoverage& c : coverage.Chapters())
        text << CoverageLine(c) << '\n';
    out << text.str();
    return 0;
}

CliRegistration coverageCommand("coverage", Coverage, kCoverageUsage);

} // namespace

int PlanGaps(const CliArgs& input, std::ostream& out, std::ostream& err) {
    CliArgs args;
    unsigned long days = 0;
    bool haveDays = false;
    std::array<int32_t, 7> weekdays{1, 1, 1, 1, 1, 1, 1};
    for (size_t i = 0; i < input.size(); ++i) {
        const std::string& a = input[i];
        if (CliOption(a, "--days") || CliOption(a, "--weekdays")) {
            if (i + 1 >= input.size()) return UsageError(err, a + " needs a value; " + kGapsUsage);
            const std::string& v = input[++i];
            if (CliOption(a, "--days") && (!ParseUnsigned(v, 36500, days) || days == 0))
                return UsageError(err, "--days takes a number of days from 1 to 36500");
            if (CliOption(a, "--days")) haveDays = true;
            if (CliOption(a, "--weekdays") && !ParseWeekdays(v, weekdays))
                return UsageError(err, "--weekdays takes seven digits 0 or 1, Sunday first");
        } else {
            args.push_back(a);
        }
    }
    if (args.size() != 2 || !haveDays) return UsageError(err, kGapsUsage);
    // Only a text import: a slip of the arguments must not write over a plan, notes or template.
    if (LowerExtension(args[1]) != "txt")
        return UsageError(err, "OUT must be a .txt file; " + std::string(kGapsUsage));
    ReadOnlyPlan p(err);
    if (!Load(p, args[0], err)) return 1;
    GapsPlanRequest request;
    request.days = static_cast<uint32_t>(days);
    request.readOnWeekday = weekdays;
    request.startDate = Today();
    const CCoverage coverage = CCoverage::FromDocument(p.doc);
    if (coverage.UnreadChapters().empty()) {
        err << "scrivane-cli: " << kNothingUnread << "\n";
        return 1;
    }
    const std::string text = MakeGapsPlanText(coverage, request);
    if (text.empty()) return UsageError(err, kNoGapsReadingDay);
    try {
        SaveFileAtomic(args[1], text);
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(SaveErrorMessage(e, args[1])) << "\n";
        return 1;
    }
    (void)out;
    return 0;
}

void ShowSchedule(const CReadingPlanDoc& doc, std::ostream& out) {
    const PlanSchedule s = ComputeSchedule(doc, Today());
    out << "schedule\tday " << s.day << "\tof " << s.days << '\t' << s.StatusText() << '\n';
}
