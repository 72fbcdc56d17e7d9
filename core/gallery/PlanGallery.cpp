// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanGallery.h"

#include "ReadingList.h"

#include "foundation/Clock.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "foundation/Translatable.h"
#include "plan/PlanGenerator.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateText.h"
#include "scripture/Bible.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

#ifndef SCRIVANE_SOURCE_PLANS_DIR
#define SCRIVANE_SOURCE_PLANS_DIR ""
#endif

namespace {

PlanSettings SettingsOf(const CPlanTemplate& t, const CJJulian& startDate) {
    PlanSettings s;
    s.repeatBooks = t.repeatBooks;
    s.divideBy = t.divideBy;
    s.planLengthDays = t.PlanLengthDays();
    s.readOnWeekday = t.readOnWeekday;
    s.startDate = startDate;
    return s;
}

bool IsDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

std::string ExecutableDirectory() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string ToLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

GeneratedPlan GeneratePlan(std::string_view bytes, TemplateForm form, const std::string& path,
                           const CJJulian& startDate) {
    GeneratedPlan plan;
    if (form == TemplateForm::archive) {
        plan.fields = ReadTemplateArchive(std::string(bytes), path);
        plan.elements =
            BuildPlan(SettingsOf(plan.fields, startDate), SectionBooksFrom(plan.fields.bookSection), nullptr);
    } else if (form == TemplateForm::text) {
        TextImport import = ParseTextImport(bytes);
        plan.fields = import.fields;
        if (import.hasSectionTable) {
            plan.elements = BuildPlan(SettingsOf(plan.fields, startDate),
                                      SectionBooksFrom(plan.fields.bookSection), nullptr);
        } else {
            plan.explicitReadings = true;
            DateAssignments(import.assignments, SettingsOf(plan.fields, startDate), nullptr);
            plan.elements = std::move(import.assignments);
        }
    }
    // The document keeps no more assignments than its file can count.
    if (plan.elements.size() > kMaxAssignments) plan.elements.resize(kMaxAssignments);
    return plan;
}

GalleryEntry DescribeTemplateFile(const std::string& path, GalleryOrigin origin, const CJJulian& startDate,
                                  bool skipPast) {
    GalleryEntry e;
    e.startDate = startDate;
    e.skipPast = skipPast;
    e.path = path;
    e.fileName = FileNameOf(path);
    e.origin = origin;
    e.title = FileTitle(path);
    const TemplateForm form = TemplateFormOf(path);
    GeneratedPlan plan;
    try {
        const std::string bytes = ReadWholeFile(path);
        e.notATemplate = form == TemplateForm::text && bytes.find_first_of("<[") == std::string::npos;
        plan = GeneratePlan(bytes, form, path, startDate);
        if (form == TemplateForm::text) e.firstDate = ImportFirstDate(bytes, Today());
    } catch (const std::exception& ex) {
        e.readable = false;
        e.reason = LoadErrorMessage(ex, path);
        return e;
    }
    if (plan.elements.empty()) {
        e.readable = false;
        e.reason = form == TemplateForm::text ? "This file holds no reading plan."
                                              : "This template gives no reading day.";
        return e;
    }
    // A plan whose days are all gone is still a plan; only what is left of it is shown.
    if (skipPast) LeaveOutBefore(plan.elements, Today());
    const CPlanTemplate& t = plan.fields;
    if (!t.templateTitle.empty() && t.templateTitle != "d") e.title = t.templateTitle;
    if (t.templateDescription != "d") e.description = t.templateDescription;
    e.lengthDays = t.PlanLengthDays();
    e.readingDays = static_cast<uint32_t>(plan.elements.size());
    e.explicitReadings = plan.explicitReadings;
    e.byChapters = t.divideBy == 0;
    e.repeats = !plan.explicitReadings && t.repeatBooks != 0;
    if (!plan.explicitReadings) {
        for (int32_t s : t.bookSection)
            if (s >= 1 && s <= 6) e.sections = std::max(e.sections, s);
        e.sections = std::max(e.sections, 1);
    }
    // What the plan reads: every verse once, however often it comes round.
    CBible& bible = TheBible();
    std::vector<uint8_t> seen(bible.GetTotalVerseCount(), 0);
    for (const CPlanElement& el : plan.elements)
        for (const VerseRange& r : el.Ranges())
            for (uint32_t v = r.start; v <= r.end && v < seen.size(); ++v)
                seen[v] = 1;
    e.verses = static_cast<uint32_t>(std::count(seen.begin(), seen.end(), 1));
    for (uint16_t b = 1; b <= bible.GetBookCount(); ++b)
        for (uint16_t c = 1; c <= bible.GetChapterCount(b); ++c)
            if (seen[bible.GetVerseIndex(b, c, bible.GetLastVerse(b, c))]) ++e.chapters;
    const size_t shown = std::min(plan.elements.size(), kGalleryPreviewDays);
    e.preview.assign(plan.elements.begin(), plan.elements.begin() + static_cast<std::ptrdiff_t>(shown));
    return e;
}

std::string ShippedPlansDirectory() {
    if (const char* env = std::getenv("SCRIVANE_PLANS_DIR"); env && *env) return IsDirectory(env) ? env : "";
    const std::string exe = ExecutableDirectory();
    if (!exe.empty()) {
        fs::path installed = fs::path(exe) / ".." / "share" / "scrivane" / "plans";
        if (IsDirectory(installed)) return fs::weakly_canonical(installed).string();
    }
    if (IsDirectory(SCRIVANE_SOURCE_PLANS_DIR)) return SCRIVANE_SOURCE_PLANS_DIR;
    return {};
}

std::vector<GalleryEntry> ListGallery(const std::string& shippedDirectory,
                                      const std::vector<std::string>& readerDirectories,
                                      const CJJulian& startDate) {
    auto filesOf = [](const std::string& dir) {
        std::vector<std::string> files;
        std::error_code ec;
        if (dir.empty() || !IsDirectory(dir)) return files;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string ext = LowerExtension(it->path().string());
            if ((ext == "vntpl" || ext == "txt") && it->is_regular_file(ec))
                files.push_back(it->path().string());
        }
        std::sort(files.begin(), files.end());
        return files;
    };
    std::vector<GalleryEntry> shipped;
    for (const std::string& f : filesOf(shippedDirectory))
        shipped.push_back(DescribeTemplateFile(f, GalleryOrigin::shipped, startDate));
    std::stable_sort(shipped.begin(), shipped.end(), [](const GalleryEntry& a, const GalleryEntry& b) {
        return ToLower(a.title) < ToLower(b.title);
    });
    std::vector<GalleryEntry> all = std::move(shipped);
    std::vector<std::string> done;
    for (const std::string& dir : readerDirectories) {
        std::error_code ec;
        std::string key = fs::weakly_canonical(dir, ec).string();
        if (dir.empty() || std::find(done.begin(), done.end(), key) != done.end()) continue;
        done.push_back(key);
        for (const std::string& f : filesOf(dir)) {
            GalleryEntry e = DescribeTemplateFile(f, GalleryOrigin::reader, startDate);
            if (!e.notATemplate) all.push_back(std::move(e));
        }
    }
    return all;
}

namespace {

// n in the singular form when it is 1, else in the plural one.
std::string Counted(const CShownForms& forms, int64_t n, const char* one, const char* many) {
    return Substitute(forms.Text(n == 1 ? one : many), {std::to_string(n)});
}

} // namespace

std::string LengthText(int32_t days, const CShownForms& forms) {
    if (days > 0 && days % 365 == 0)
        return Substitute(forms.Text(days == 365 ? TR_NOOP("Core", "%1 year (%2 days)")
                                                 : TR_NOOP("Core", "%1 years (%2 days)")),
                          {std::to_string(days / 365), std::to_string(days)});
    return Counted(forms, days, TR_NOOP("Core", "%1 day"), TR_NOOP("Core", "%1 days"));
}

std::string SummaryText(const GalleryEntry& e, const CShownForms& forms) {
    if (!e.readable) return Substitute(forms.Text(TR_NOOP("Core", "Cannot be used: %1")), {e.reason});
    // Parts of a list, each with its own number, so each is a sentence of its own to translate.
    std::string s = e.explicitReadings ? forms.Text(TR_NOOP("Core", "A list of readings"))
                                       : LengthText(e.lengthDays, forms);
    s += Counted(forms, e.readingDays, TR_NOOP("Core", ", %1 reading day"),
                 TR_NOOP("Core", ", %1 reading days"));
    if (!e.explicitReadings)
        s += Counted(forms, e.sections, TR_NOOP("Core", ", %1 section"),
                     TR_NOOP("Core", ", %1 sections side by side"));
    s += Counted(forms, e.chapters, TR_NOOP("Core", ", %1 chapter"), TR_NOOP("Core", ", %1 chapters"));
    s += Counted(forms, e.verses, TR_NOOP("Core", " (%1 verse)"), TR_NOOP("Core", " (%1 verses)"));
    if (!e.explicitReadings)
        s += forms.Text(e.byChapters ? TR_NOOP("Core", ", whole chapters")
                                     : TR_NOOP("Core", ", divided by verses"));
    if (e.repeats) s += forms.Text(TR_NOOP("Core", ", repeats"));
    return s;
}

std::vector<std::string> PreviewLines(const GalleryEntry& e, const CShownForms& forms) {
    std::vector<std::string> lines;
    for (const CPlanElement& el : e.preview) {
        std::string readings;
        if (el.Ranges().empty()) readings = forms.Text(TR_NOOP("Core", "(no reading)"));
        for (size_t i = 0; i < el.Ranges().size(); ++i)
            readings += (i ? "; " : "") + RangeText(el.Ranges()[i].start, el.Ranges()[i].end, forms);
        lines.push_back(DatedText(forms, TR_NOOP("Core", "%1: %2"), el.GetScheduledDate(), {readings}));
    }
    return lines;
}
