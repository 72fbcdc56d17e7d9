// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarCommands.h"
#include "CliCommand.h"
#include "CliLock.h"
#include "CliText.h"
#include "CliUiServices.h"
#include "CoverageCommands.h"

#include "foundation/Clock.h"
#include "foundation/Decimal.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/DocumentFiles.h"
#include "gallery/ReadingList.h"
#include "plan/FormatPercent.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/LookingPaths.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <charconv>
#include <cstring>
#include <optional>
#include <ostream>

namespace {

// A calendar date as written: 2027-02-30 is refused, not taken for March 2.
std::optional<CJJulian> ParseStartDate(const std::string& text) {
    std::optional<CJJulian> d = ParseIsoDate(text);
    if (!d) return d;
    const size_t a = text.find('-'), b = text.rfind('-');
    if (std::stoi(text.substr(a + 1, b - a - 1)) != d->GetMonth() ||
        std::stoi(text.substr(b + 1)) != d->GetDay())
        return std::nullopt;
    return d;
}

// A day-by-day list made into a text import that New Plan reads.
int ImportList(const CliArgs& input, std::ostream& out, std::ostream& err) {
    CliArgs args;
    bool skipBad = false;
    bool keepEmptyDays = false;
    for (size_t i = 1; i < input.size(); ++i) {
        if (CliOption(input[i], "--skip-bad"))
            skipBad = true;
        else if (CliOption(input[i], "--keep-empty-days"))
            keepEmptyDays = true;
        else
            args.push_back(input[i]);
    }
    if (args.size() != 2) return UsageError(err, "plan import-list needs IN and OUT.txt");
    if (LowerExtension(args[1]) != "txt")
        return UsageError(err, "OUT must end in .txt, the text import form");
    CCliUiServices ui(err, false);
    long days = ImportReadingList(ui, args[0], args[1], keepEmptyDays, skipBad);
    if (days < 0) return 1;
    out << "imported\t" << args[1] << '\t' << days << '\n';
    return 0;
}

bool Enabled(const CReadingPlanDoc& doc, int id) {
    CCmdUI ui;
    return doc.OnUpdateCmdUI(id, ui) && ui.enabled;
}

void Show(const CReadingPlanDoc& doc, std::ostream& out) {
    // The largest plan has thousands of lines.
    CCliListing listing(out);
    const size_t lead = 16 + 2 * CJJulian::kDateTextRoom; // the index, two dates, the state, TABs
    const size_t range = 12 + 2 * TheBible().ReferenceTextRoom();
    for (uint16_t i = 0; i < doc.GetElementCount(); ++i) {
        const CPlanElement& e = doc.Elements()[i];
        char* p = listing.Room(lead);
        p = WriteDecimal(p, i);
        *p++ = '\t';
        char* const scheduled = p;
        p = e.GetScheduledDate().WriteDateText(p);
        *p++ = '\t';
        if (e.GetOriginalDate().GetDayNumber() == e.GetScheduledDate().GetDayNumber()) {
            // Most assignments are on their first date: the same text again.
            const auto n = static_cast<size_t>(p - 1 - scheduled);
            std::memmove(p, scheduled, n);
            p += n;
        } else {
            p = e.GetOriginalDate().WriteDateText(p);
        }
        std::memcpy(p, doc.IsElementFinished(i) ? "\t1\t" : "\t0\t", 3);
        listing.Advance(p + 3);
        for (uint16_t r = 0; r < e.GetRangeCount(); ++r) {
            p = listing.Room(range);
            if (r) {
                std::memcpy(p, "; ", 2);
                p += 2;
            }
            listing.Advance(WriteRangeText(p, e.GetRangeStart(r), e.GetRangeEnd(r)));
        }
        listing.Append('\n');
    }
    listing.Flush();
    // As the progress bars show them: never more read than there is.
    auto row = [&out](uint32_t read, uint32_t total) {
        const auto t = static_cast<uint16_t>(total);
        const auto r = static_cast<uint16_t>(std::min(read, total));
        std::string pct = FormatPercent(r, t);
        pct.erase(0, pct.find_first_not_of(' '));
        out << '\t' << r << '\t' << t << '\t' << pct;
    };
    out << "progress";
    row(doc.CountPlanVersesRead(), doc.CountPlanVerses());
    row(doc.CountLifetimeVersesRead(), doc.GetLifetimeVerseTotal());
    out << '\n';
    ShowSchedule(doc, out);
}

// What a sub-command of plan works on once its plan is open.
struct PlanRun {
    CReadingPlanDoc& doc;
    CCliUiServices& ui;
    const CliArgs& args; // the sub-command, the stem and its operands
    std::ostream& out;
    std::ostream& err;
    unsigned long index = 0;       // finish
    uint16_t from = 0, to = 0;     // read
    bool lifetimeOnly = false;     // read
    std::optional<CJJulian> start; // new
    bool skipPast = false;         // new
};

// What `run` returns when the plan is to be saved; anything else is the exit status.
constexpr int kSavePlan = -1;

// A sub-command of plan. Those with a handler of their own parse their arguments themselves;
// the others open the plan at the stem and run `run` on it.
struct PlanCommand {
    const char* name;
    const char* usage;
    size_t minOperands, maxOperands; // after the sub-command's name, the stem included
    bool looks;                      // reads the plan and writes no file
    int (*run)(PlanRun&);
    CliHandler own;
};

int RunNew(PlanRun& r) {
    r.ui.chosenFile = r.args[2];
    r.doc.SetNewPlanStart(r.start, r.skipPast);
    // A template that could not be read: a fresh stem stays without files.
    return r.doc.NewPlan() ? kSavePlan : 1;
}

int RunShow(PlanRun& r) {
    Show(r.doc, r.out);
    return kSavePlan;
}

int RunFinish(PlanRun& r) {
    if (!Enabled(r.doc, Cmd::FinishedReading) || !r.doc.IsValidElementIndex(static_cast<uint16_t>(r.index)))
        return UsageError(r.err, "the plan has no assignment " + r.args[2]);
    r.doc.FinishElement(static_cast<uint16_t>(r.index));
    return kSavePlan;
}

int RunRead(PlanRun& r) {
    r.ui.extraReading = ExtraReading{r.from, r.to, r.lifetimeOnly ? 0 : 1};
    RouteCommand({&r.doc}, Cmd::EnterReading);
    return kSavePlan;
}

// A command of the plan's own that needs assignments to work on.
template <int id> int RunOnAssignments(PlanRun& r) {
    if (!Enabled(r.doc, id)) return UsageError(r.err, "the plan has no assignments");
    if (id == Cmd::SynchronizeDates)
        r.doc.OnSynchronizeDates();
    else
        RouteCommand({&r.doc}, id);
    return kSavePlan;
}

// Undo and Redo as the plan window has them, reaching back through the journal.
template <bool redo> int RunUndo(PlanRun& r) {
    if (redo ? !r.doc.CanRedo() : !r.doc.CanUndo()) {
        r.err << "scrivane-cli: " << (redo ? "nothing to redo" : "nothing to undo") << " in this plan\n";
        return 1;
    }
    const std::string name = redo ? r.doc.RedoName() : r.doc.UndoName();
    if (redo)
        r.doc.Redo();
    else
        r.doc.Undo();
    if (r.ui.ErrorShown()) return 1;
    r.out << (redo ? "redone\t" : "undone\t") << name << '\n';
    return kSavePlan;
}

int RunResetLifetime(PlanRun& r) {
    RouteCommand({&r.doc}, Cmd::ResetLifetimeReadings);
    return kSavePlan;
}

int RunProperties(PlanRun& r) {
    for (const std::string& line : r.doc.GetPropertiesLines())
        r.out << CliField(line) << '\n';
    return kSavePlan;
}

int Gaps(const CliArgs& input, std::ostream& out, std::ostream& err) {
    return PlanGaps(CliArgs(input.begin() + 1, input.end()), out, err);
}

// In the order help lists them.
const PlanCommand kPlanCommands[] = {
    {"new", "plan new STEM TEMPLATE [--start YYYY-MM-DD [--skip-past]]", 2, 2, false, RunNew, nullptr},
    {"show", "plan show STEM", 1, 1, true, RunShow, nullptr},
    {"finish", "plan finish STEM INDEX", 2, 2, false, RunFinish, nullptr},
    {"read", "plan read STEM FROM [TO] [--lifetime-only]", 2, 3, false, RunRead, nullptr},
    {"sync", "plan sync STEM", 1, 1, false, RunOnAssignments<Cmd::SynchronizeDates>, nullptr},
    {"reset", "plan reset STEM", 1, 1, false, RunOnAssignments<Cmd::ResetPlan>, nullptr},
    {"reset-lifetime", "plan reset-lifetime STEM", 1, 1, false, RunResetLifetime, nullptr},
    {"properties", "plan properties STEM", 1, 1, true, RunProperties, nullptr},
    {"undo", "plan undo STEM", 1, 1, false, RunUndo<false>, nullptr},
    {"redo", "plan redo STEM", 1, 1, false, RunUndo<true>, nullptr},
    {"ics", "plan ics STEM OUT (each with --yes to answer the plan's questions yes)", 0, 0, false, nullptr,
     PlanIcs},
    {"import-list", "plan import-list IN OUT.txt [--skip-bad] [--keep-empty-days]", 0, 0, false, nullptr,
     ImportList},
    {"gaps", "plan gaps STEM OUT.txt --days N --weekdays SMTWTFS", 0, 0, false, nullptr, Gaps},
};

const std::string kPlanUsage = [] {
    std::string usage;
    for (const PlanCommand& c : kPlanCommands)
        usage += (usage.empty() ? "" : " | ") + std::string(c.usage);
    return usage;
}();

const PlanCommand* FindPlanCommand(const std::string& name) {
    for (const PlanCommand& c : kPlanCommands)
        if (name == c.name) return &c;
    return nullptr;
}

int Plan(const CliArgs& input, std::ostream& out, std::ostream& err) {
    // Those that read their own arguments (and look at the plan only, or write a file of their own).
    if (const PlanCommand* c = input.empty() ? nullptr : FindPlanCommand(input[0]); c && c->own)
        return c->own(input, out, err);
    CliArgs args;
    bool yes = false, lifetimeOnly = false, skipPast = false;
    std::optional<CJJulian> start;
    for (size_t i = 0; i < input.size(); ++i) {
        const std::string& a = input[i];
        if (CliOption(a, "--yes")) {
            yes = true;
        } else if (CliOption(a, "--lifetime-only")) {
            lifetimeOnly = true;
        } else if (CliOption(a, "--skip-past")) {
            skipPast = true;
        } else if (CliOption(a, "--start")) {
            if (i + 1 >= input.size() || !(start = ParseStartDate(input[i + 1])))
                return UsageError(err, "--start needs a date YYYY-MM-DD");
            ++i;
        } else {
            args.push_back(a);
        }
    }
    if (args.size() < 2) return UsageError(err, kPlanUsage);
    const std::string& sub = args[0];
    const PlanCommand* command = FindPlanCommand(sub);
    if (!command || command->own) return UsageError(err, "unknown plan command '" + sub + "'; " + kPlanUsage);
    if (args.size() - 1 < command->minOperands || args.size() - 1 > command->maxOperands)
        return UsageError(err, "wrong arguments; " + kPlanUsage);
    if (lifetimeOnly && sub != "read") return UsageError(err, "--lifetime-only belongs to plan read");
    if ((start || skipPast) && sub != "new")
        return UsageError(err, "--start and --skip-past belong to plan new");

    unsigned long index = 0;
    uint16_t from = 0, to = 0;
    if (sub == "finish" && !ParseUnsigned(args[2], 65535, index))
        return UsageError(err, "'" + args[2] + "' is not an assignment index");
    if (sub == "read") {
        uint16_t ignored = 0;
        std::string reason;
        if (!ParseVerseRangeArgument(args[2], from, to, reason) ||
            (args.size() == 4 && !ParseVerseRangeArgument(args[3], ignored, to, reason)))
            return UsageError(err, reason);
        if (to < from) return UsageError(err, "'" + args[3] + "' comes before '" + args[2] + "'");
    }
    if (sub == "new" && !FileExists(CompleteTemplateExtension(args[2]))) {
        err << "scrivane-cli: " << CliMessage(args[2] + "\nCannot find this file.") << "\n";
        return 1;
    }

    CReaderContext reader;
    reader.fileStem = args[1];
    reader.displayName = FileTitle(args[1]);
    const bool writes = !command->looks;
    // Showing reads a reader's new names as an unfinished Edit Reader will leave them.
    const std::string stemPath = writes ? JoinStem(reader.baseDirectory, reader.fileStem)
                                        : StemForLooking(JoinStem(reader.baseDirectory, reader.fileStem));
    reader.fileStem = stemPath;
    if (const std::string missing =
            writes ? MissingDirectoryMessage(stemPath + ".vnpln") : MissingPlanMessage(stemPath);
        !missing.empty()) {
        err << "scrivane-cli: " << CliMessage(missing) << "\n";
        return 1;
    }
    CDirectoryLock lock;
    if (!LockForCommand(lock, ParentDirectory(stemPath), writes, err)) return 1;
    CCliUiServices ui(err, yes);
    CReadingPlanDoc doc(ui, reader);
    // Showing creates, moves and changes no file.
    doc.SetLookOnly(command->looks);
    // Each change is committed with its journal entry as it is made, as in the plan window.
    doc.SetCommitAtOnce(!command->looks);
    // A file that could not be read, or a damaged one (moved aside), has been reported; nothing is
    // written in its place here.
    if (!doc.OnNewDocument() || ui.ErrorShown()) return 1;

    PlanRun run{doc, ui, args, out, err, index, from, to, lifetimeOnly, start, skipPast};
    if (const int status = command->run(run); status != kSavePlan) return status;
    // A question declined: the plan is as it was.
    if (ui.Declined()) return 1;
    if (!doc.SaveDirtyFiles()) return 1;
    return ui.ErrorShown() ? 1 : 0;
}

CliRegistration planCommand("plan", Plan, kPlanUsage.c_str());

} // namespace
