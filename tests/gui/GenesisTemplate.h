// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "plan/PlanTemplate.h"
#include "plan/TemplateFile.h"

#include <QDir>
#include <QString>
#include <string>

// A template of Genesis, a chapter a day, every day, written into dir.
inline std::string WriteGenesisTemplate(const QString& dir) {
    CPlanTemplate t = CPlanTemplate::EditorDefaults();
    t.sectionCount = 1;
    t.divideBy = 0;
    t.planYears = 0;
    t.planMonths = 0;
    t.planDays = 50;
    t.readOnWeekday = {1, 1, 1, 1, 1, 1, 1};
    for (size_t b = 0; b < t.bookSection.size(); ++b)
        t.bookSection[b] = b == 0 ? 1 : 0;
    const std::string path = QDir(dir).filePath("Genesis.vntpl").toStdString();
    SaveTemplateFile(path, t);
    return path;
}
