// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarCommands.h"
#include "CliText.h"

#include "calendar/PlanCalendar.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "framework/DocumentFiles.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/LookingPaths.h"
#include "rhythm/PlanSnapshot.h"

#include <ostream>

int PlanIcs(const CliArgs& args, std::ostream& out, std::ostream& err) {
    // args: "ics" STEM OUT
    if (args.size() != 3) return UsageError(err, "plan ics STEM OUT");
    const std::string& stem = args[1];
    const std::string& path = args[2];
    const std::string source = StemForLooking(JoinStem("", stem));
    if (const std::string missing = MissingPlanMessage(source); !missing.empty()) {
        err << "scrivane-cli: " << CliMessage(missing) << "\n";
        return 1;
    }
    // The plan is only read: a damaged one stays where it is, for the program to deal with.
    const CPlanSnapshot plan("", source, FileTitle(stem));
    if (plan.GetState() == CPlanSnapshot::State::damaged) {
        err << "scrivane-cli: " << CliMessage(plan.GetMessage()) << "\n";
        return 1;
    }
    PlanCalendarOptions options;
    options.readerStem = stem;
    options.calendarName = CReadingPlanDoc::TitleFor(FileTitle(stem));
    try {
        ExportPlanCalendar(plan.Doc(), options, path);
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(SaveErrorMessage(e, path)) << "\n";
        return 1;
    }
    out << plan.Doc().GetElementCount() << '\t' << CliField(path) << '\n';
    return 0;
}
