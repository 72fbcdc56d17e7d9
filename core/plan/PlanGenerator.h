// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PlanElement.h"
#include "foundation/JJulian.h"

#include <array>
#include <cstdint>
#include <vector>

class IProgress;
struct CPlanTemplate;

// What the generator needs of a plan besides its books.
struct PlanSettings {
    int32_t repeatBooks = 0;
    int32_t divideBy = 0; // 0 chapters, otherwise verses
    int64_t planLengthDays = 0;
    std::array<int32_t, 7> readOnWeekday{}; // [0] is Sunday
    CJJulian startDate;
};

// Rows 1 … 6: the book numbers each section reads, in canon order; row 0 stays
// empty. A row keeps at most kMaxRowBooks books.
using SectionBooks = std::array<std::vector<uint16_t>, 7>;
inline constexpr size_t kMaxRowBooks = 99;
// The plan file counts its assignments in a WORD, so no plan may hold more.
inline constexpr size_t kMaxAssignments = 65535;

// Books 1 … count of the canon by their section number; numbers outside 1 … 6 leave a book out.
SectionBooks SectionBooksFrom(const std::vector<int32_t>& bookSection);

// The number of reading days from the start date over the plan length: at
// least 1 when any weekday is a reading day, 0 when none is, and never more
// than kMaxAssignments.
uint32_t CountReadingDays(const PlanSettings& s);

// The dated assignments of a plan: every section spread evenly over the
// reading days, each ending on its last verse on the last day. No weekday set
// gives no assignment.
std::vector<CPlanElement> BuildPlan(const PlanSettings& s, const SectionBooks& sections, IProgress* progress);

// Puts successive reading days from the start date on the assignments, as
// both their original and scheduled dates. Nothing changes without a reading day.
void DateAssignments(std::vector<CPlanElement>& elements, const PlanSettings& s, IProgress* progress);

// Leaves out the assignments dated before day: a reader who joins a dated plan
// part-way starts where it stands.
void LeaveOutBefore(std::vector<CPlanElement>& elements, const CJJulian& day);
