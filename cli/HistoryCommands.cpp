// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliLock.h"
#include "CliText.h"
#include "CliUiServices.h"

#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/DocumentFiles.h"
#include "journal/ReadingHistory.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/LookingPaths.h"
#include "scripture/Bible.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>

namespace {

constexpr const char* kHistoryUsage = "history STEM [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--days]";

std::string References(const VerseRanges& ranges) {
    std::string out;
    for (const auto& [a, b] : ranges) {
        if (!out.empty()) out += "; ";
        out += CompactRangeText(a, b);
    }
    return out;
}

std::string IsoDay(int32_t day) {
    const CJJulian d(day, 0);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.GetYear(), d.GetMonth(), d.GetDay());
    return buf;
}

int History(const CliArgs& input, std::ostream& out, std::ostream& err) {
    CliArgs args;
    bool days = false;
    int32_t from = 0, to = INT32_MAX;
    for (size_t i = 0; i < input.size(); ++i) {
        if (CliOption(input[i], "--days")) {
            days = true;
        } else if (CliOption(input[i], "--from") || CliOption(input[i], "--to")) {
            const bool isFrom = CliOption(input[i], "--from");
            std::optional<CJJulian> d = i + 1 < input.size() ? ParseIsoDate(input[i + 1]) : std::nullopt;
            if (!d) return UsageError(err, input[i] + " needs a date YYYY-MM-DD");
            (isFrom ? from : to) = d->GetDayNumber();
            ++i;
        } else {
            args.push_back(input[i]);
        }
    }
    if (args.size() != 1) return UsageError(err, kHistoryUsage);
    const std::string stemPath = StemForLooking(JoinStem("", args[0]));
    if (const std::string missing = MissingPlanMessage(stemPath); !missing.empty()) {
        err << "scrivane-cli: " << CliMessage(missing) << "\n";
        return 1;
    }
    CDirectoryLock lock;
    if (!LockForCommand(lock, ParentDirectory(stemPath), false, err)) return 1;
    // The plan says on which weekdays it reads, which is what a streak counts.
    CReaderContext reader;
    reader.fileStem = stemPath;
    reader.displayName = FileTitle(stemPath);
    CCliUiServices ui(err, false);
    CReadingPlanDoc doc(ui, reader);
    doc.SetLookOnly(true);
    if (!doc.OnNewDocument() || ui.ErrorShown()) return 1;

    size_t bad = 0;
    std::vector<CJournalEntry> entries = CJournal(ParentDirectory(stemPath), DeviceId()).ReadAll(&bad);
    // The reader's own: entries of other plans kept in the same directory are left out.
    const std::string stemName = FileNameOf(stemPath);
    std::erase_if(entries, [&](const CJournalEntry& e) {
        if (e.kind == "general-notes") return false;
        return std::none_of(e.files.begin(), e.files.end(), [&](const JournalFileChange& f) {
            return f.file == stemName + ".vnpln" || f.file == stemName + ".vnpro" ||
                   f.file == stemName + ".vnnot";
        });
    });
    if (bad)
        err << "scrivane-cli: " << bad << (bad == 1 ? " journal line" : " journal lines")
            << " could not be read and " << (bad == 1 ? "was" : "were") << " left out\n";
    const CReadingHistory history(entries);
    std::string text;
    if (days) {
        for (const CReadingHistory::Day& d : history.Days())
            if (d.dayNumber >= from && d.dayNumber <= to)
                text += IsoDay(d.dayNumber) + '\t' + std::to_string(d.verses) + '\t' +
                        std::to_string(d.readings) + '\n';
        std::array<int32_t, 7> readOn{};
        for (int w = 1; w <= 7; ++w)
            readOn[size_t(w - 1)] = doc.GetReadOnWeekday(w);
        const CReadingHistory::Streaks s = history.StreaksOn(readOn, Today());
        text += "streak\t" + std::to_string(s.current) + '\t' + std::to_string(s.longest) + '\n';
    } else {
        // Undo and redo name the step they take back or make again.
        std::map<std::pair<std::string, uint64_t>, const CJournalEntry*> byKey;
        std::vector<const CJournalEntry*> shown;
        for (const CJournalEntry& e : entries) {
            byKey[{e.device, e.seq}] = &e;
            const int32_t day = CReadingHistory::DayOf(e.time);
            if (e.kind != "baseline" && e.kind != "save" && day >= from && day <= to) shown.push_back(&e);
        }
        std::stable_sort(shown.begin(), shown.end(),
                         [](const CJournalEntry* a, const CJournalEntry* b) { return a->time < b->time; });
        for (const CJournalEntry* e : shown) {
            const CJournalEntry* about = e;
            if (e->undoes) {
                auto it = byKey.find({e->device, e->undoes});
                if (it != byKey.end()) about = it->second;
            }
            // What was read; a new plan's or a reset's moving of readings into the history is no reading.
            VerseRanges ranges;
            if (about->kind == "finish" || about->kind == "mark" || about->kind == "extra") {
                ranges = about->read;
                ranges.insert(ranges.end(), about->lifetime.begin(), about->lifetime.end());
            }
            std::sort(ranges.begin(), ranges.end());
            std::string refs = References(ranges);
            if (about->verse >= 0 && about->verse < TheBible().GetTotalVerseCount())
                refs = CompactRangeText(uint16_t(about->verse), uint16_t(about->verse));
            std::string when = e->time;
            if (when.size() > 10 && when[10] == 'T') when[10] = ' ';
            text += when + '\t' + e->kind + '\t' + refs + '\n';
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return 0;
}

CliRegistration historyCommand("history", History, kHistoryUsage);

} // namespace
