// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"
#include "plan/PlanElement.h"
#include "plan/TemplateFile.h"
#include "scripture/ShownForms.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ready plans: the templates shipped with the program and the reader's
// own template files and text imports, each with what a plan made from it
// today would look like. Files are only read, never changed.

inline constexpr size_t kGalleryPreviewDays = 7;

enum class GalleryOrigin { shipped, reader };

struct GalleryEntry {
    std::string path;
    std::string fileName;
    GalleryOrigin origin = GalleryOrigin::shipped;
    // False for a file that cannot be used; reason says why. Such an entry
    // is shown but never offered.
    bool readable = true;
    std::string reason;
    // A text file with neither a tag nor a reading: some other text (general
    // notes, a letter), not a template at all.
    bool notATemplate = false;

    std::string title;
    std::string description;
    int32_t lengthDays = 0;   // plan length in calendar days
    uint32_t readingDays = 0; // assignments of a plan made from startDate
    int32_t sections = 0;     // 0 for a list of explicit readings
    bool byChapters = true;   // readings cut at whole chapters
    bool explicitReadings = false;
    bool repeats = false;
    uint32_t chapters = 0; // chapters of the books in the plan
    uint32_t verses = 0;   // distinct verses the plan reads
    // The first assignments, dated from startDate; with skipPast those dated
    // before today are left out, as New Plan would leave them out.
    std::vector<CPlanElement> preview;
    CJJulian startDate;
    bool skipPast = false;
    // The first date of an imported dated list, the day its plan should start.
    std::optional<CJJulian> firstDate;
};

// The plan a template or text-import file's bytes give from startDate, as
// New Plan makes it (the same reader and generator). Throws what the file's
// reader throws for a damaged archive form.
struct GeneratedPlan {
    CPlanTemplate fields;
    bool explicitReadings = false;
    std::vector<CPlanElement> elements;
};
GeneratedPlan GeneratePlan(std::string_view bytes, TemplateForm form, const std::string& path,
                           const CJJulian& startDate);

// One file's entry; an unreadable or damaged file gives readable = false.
// With skipPast the reading days and preview leave out those before today.
GalleryEntry DescribeTemplateFile(const std::string& path, GalleryOrigin origin, const CJJulian& startDate,
                                  bool skipPast = false);

// The directory of the shipped templates: $SCRIVANE_PLANS_DIR when set, else
// share/scrivane/plans beside the installed program, else the source tree's
// plans/ folder of a build; empty when none exists.
std::string ShippedPlansDirectory();

// The shipped templates in title order, then the reader's own files (*.vntpl
// and *.txt of each directory in readerDirectories, by file name; text files
// that are not templates at all are left out). A directory that is missing or
// unreadable adds nothing.
std::vector<GalleryEntry> ListGallery(const std::string& shippedDirectory,
                                      const std::vector<std::string>& readerDirectories,
                                      const CJJulian& startDate);

// "1 year (365 days)", "90 days", "2 years (730 days)".
std::string LengthText(int32_t days, const CShownForms& forms = EnglishForms());
// The one-line summary the gallery shows under a title.
std::string SummaryText(const GalleryEntry& e, const CShownForms& forms = EnglishForms());
// "Mon 01/04/2027: Genesis 1:1 through Genesis 3:24" lines, one per preview day.
std::vector<std::string> PreviewLines(const GalleryEntry& e, const CShownForms& forms = EnglishForms());
