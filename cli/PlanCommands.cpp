// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarCommands.h"
#include "CliCommand.h"
#include "CliLock.h"
#include "CliText.h"
#include "CliUiServices.h"
#include "CoverageCommands.h"

#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/DocumentFiles.h"
#include "gallery/ReadingList.h"
#include "plan/FormatPercent.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/LookingPaths.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <ostream>

namespace {

const char* const kPlanUsage =
    "plan new STEM TEMPLATE [--start YYYY-MM-DD [--skip-past]] | plan show STEM | plan finish STEM INDEX | "
    "plan read STEM FROM [TO] "
    "[--lifetime-only] | plan sync STEM | plan reset STEM | plan reset-lifetime STEM | plan properties STEM "
    "| "
    "plan ics STEM OUT (each with --yes to answer the plan's questions yes) | plan import-list IN OUT.txt "
    "[--skip-bad] [--keep-empty-days] | plan gaps STEM OUT.txt --days N --weekdays SMTWTFS";

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
    // The assignments in a few large writes through one buffer, which stays
    // in the same few pages: the largest plan has thousands of lines.
    std::string text;
    text.reserve(kCliWriteChunk + 4096);
    for (uint16_t i = 0; i < doc.GetElementCount(); ++i) {
        if (text.size() >= kCliWriteChunk) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
        const CPlanElement& e = doc.Elements()[i];
        text += std::to_string(i);
        text += '\t';
        e.GetScheduledDate().AppendDateText(text);
        text += '\t';
        e.GetOriginalDate().AppendDateText(text);
        text += doc.IsElementFinished(i) ? "\t1\t" : "\t0\t";
        for (uint16_t r = 0; r < e.GetRangeCount(); ++r) {
            if (r) text += "; ";
            AppendRangeText(text, e.GetRangeStart(r), e.GetRangeEnd(r));
        }
        text += '\n';
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
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

int Plan(const CliArgs& input, std::ostream& out, std::ostream& err) {
    // Looks at the plan only, and writes a file of its own.
    if (!input.empty() && input[0] == "gaps")
        return PlanGaps(CliArgs(input.begin() + 1, input.end()), out, err);
    if (!input.empty() && input[0] == "ics") return PlanIcs(input, out, err);
    if (!input.empty() && input[0] == "import-list") return ImportList(input, out, err);
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
    const size_t wanted = sub == "new" || sub == "finish" ? 3 : sub == "read" ? args.size() == 3 ? 3 : 4 : 2;
    const bool known = sub == "new" || sub == "show" || sub == "finish" || sub == "read" || sub == "sync" ||
                       sub == "reset" || sub == "reset-lifetime" || sub == "properties";
    if (!known) return UsageError(err, "unknown plan command '" + sub + "'; " + kPlanUsage);
    if (args.size() != wanted) return UsageError(err, "wrong arguments; " + std::string(kPlanUsage));
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
    const bool writes = sub != "show" && sub != "properties";
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
    doc.SetLookOnly(sub == "show" || sub == "properties");
    // A file that could not be read, or a damaged one (moved aside), has been reported; nothing is
    // written in its place here.
    if (!doc.OnNewDocument() || ui.ErrorShown()) return 1;

    bool done = true;
    if (sub == "new") {
        ui.chosenFile = args[2];
        doc.SetNewPlanStart(start, skipPast);
        done = doc.NewPlan();
    } else if (sub == "show") {
        Show(doc, out);
    } else if (sub == "finish") {
        if (!Enabled(doc, Cmd::FinishedReading) || !doc.IsValidElementIndex(static_cast<uint16_t>(index)))
            return UsageError(err, "the plan has no assignment " + args[2]);
        doc.FinishElement(static_cast<uint16_t>(index));
    } else if (sub == "read") {
        ui.extraReading = ExtraReading{from, to, lifetimeOnly ? 0 : 1};
        RouteCommand({&doc}, Cmd::EnterReading);
    } else if (sub == "sync") {
        if (!Enabled(doc, Cmd::SynchronizeDates)) return UsageError(err, "the plan has no assignments");
        doc.SynchronizeDates();
    } else if (sub == "reset") {
        if (!Enabled(doc, Cmd::ResetPlan)) return UsageError(err, "the plan has no assignments");
        RouteCommand({&doc}, Cmd::ResetPlan);
    } else if (sub == "reset-lifetime") {
        RouteCommand({&doc}, Cmd::ResetLifetimeReadings);
    } else if (sub == "properties") {
        for (const std::string& line : doc.GetPropertiesLines())
            out << CliField(line) << '\n';
    }
    // A question declined or a template that could not be read: the plan is as it was, and a
    // fresh stem stays without files.
    if (ui.Declined() || !done) return 1;
    if (!doc.SaveDirtyFiles()) return 1;
    return ui.ErrorShown() ? 1 : 0;
}

CliRegistration planCommand("plan", Plan, kPlanUsage);

} // namespace
