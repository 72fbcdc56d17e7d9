// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What several benchmark programs share: the largest plan the template editor
// allows, a scratch reader directory, and a main for those that need Qt.
#include "framework/ReaderContext.h"
#include "plan/PlanTemplate.h"

#include <cstdlib>
#include <filesystem>
#include <string>

// 5 years, 11 months and 2000 days, every day, six sections.
inline CPlanTemplate LargestTemplate(int32_t divideBy = 1) {
    CPlanTemplate t = CPlanTemplate::EditorDefaults();
    t.planYears = 5;
    t.planMonths = 11;
    t.planDays = 2000;
    t.divideBy = divideBy;
    t.sectionCount = 6;
    for (size_t b = 0; b < t.bookSection.size(); ++b)
        t.bookSection[b] = static_cast<int32_t>(b * 6 / t.bookSection.size() + 1);
    return t;
}

// A fresh directory with a reader context pointing into it, removed afterwards.
struct BenchDir {
    BenchDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "scrivane-bench-XXXXXX").string();
        path = ::mkdtemp(tmpl.data());
        reader.baseDirectory = path;
        reader.displayName = "Bench";
        reader.fileStem = "\\Bench";
    }
    ~BenchDir() { std::filesystem::remove_all(path); }
    BenchDir(const BenchDir&) = delete;
    BenchDir& operator=(const BenchDir&) = delete;
    std::string path;
    CReaderContext reader;
};
