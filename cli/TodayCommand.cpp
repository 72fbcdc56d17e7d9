// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliText.h"

#include "coverage/PlanSchedule.h"
#include "foundation/BaseDirectory.h"
#include "foundation/Clock.h"
#include "foundation/ErrorMessages.h"
#include "reader/ReaderFile.h"
#include "rhythm/PlanSnapshot.h"
#include "rhythm/TodayStatus.h"

#include <algorithm>
#include <ostream>

namespace {

constexpr const char* kUsage = "today [--base DIR] [READER...]";

// One line a reader: name, due date, status, readings, and where the plan
// stands (day, of, schedule) when there is one. Only reads: a damaged
// plan file is reported and left exactly where and as it is.
int TodayLines(const CliArgs& args, std::ostream& out, std::ostream& err) {
    std::string base = DefaultBaseDirectory();
    CliArgs names;
    for (size_t i = 0; i < args.size(); ++i) {
        if (CliOption(args[i], "--base")) {
            if (i + 1 >= args.size()) return UsageError(err, kUsage);
            base = args[++i];
        } else {
            names.push_back(args[i]);
        }
    }
    if (base.empty()) return UsageError(err, kUsage);

    std::string lastReader;
    CReaderArray readers;
    try {
        ReadReaderFile(base, lastReader, readers);
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(LoadErrorMessage(e, ReaderFilePath(base))) << "\n";
        return 1;
    }

    int status = 0;
    for (const std::string& name : names) {
        bool known = false;
        for (int i = 0; i < readers.GetCount(); ++i)
            known = known || readers.At(i).GetDisplayName() == name;
        if (!known) {
            err << "scrivane-cli: no reader named " << CliMessage(name) << "\n";
            status = 1;
        }
    }
    const CJJulian today = ::Today();
    for (int i = 0; i < readers.GetCount(); ++i) {
        const CReaderData& r = readers.At(i);
        if (!names.empty() && std::find(names.begin(), names.end(), r.GetDisplayName()) == names.end())
            continue;
        const CPlanSnapshot plan(base, r.GetFileStem(), r.GetDisplayName());
        out << CliField(r.GetDisplayName()) << '\t';
        if (plan.GetState() == CPlanSnapshot::State::damaged) {
            out << "\tdamaged\t" << CliField(plan.GetPath()) << '\n';
            err << "scrivane-cli: " << CliMessage(plan.GetMessage()) << "\n";
            status = 1;
            continue;
        }
        const TodayStatus s = ComputeTodayStatus(plan.Doc(), today);
        const bool dated = s.kind == TodayStatus::Kind::due || s.kind == TodayStatus::Kind::overdue;
        out << (dated ? IsoDate(s.dueDate) : "") << '\t' << StatusWord(s) << '\t' << CliField(s.readings);
        // Where the plan stands, in the words of plan show's schedule line.
        if (s.kind != TodayStatus::Kind::none) {
            const PlanSchedule schedule = ComputeSchedule(plan.Doc(), today);
            out << "\tday " << schedule.day << "\tof " << schedule.days << '\t' << schedule.StatusText();
        }
        out << '\n';
    }
    return status;
}

CliRegistration todayCommand("today", TodayLines, kUsage);

} // namespace
