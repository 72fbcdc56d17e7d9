// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/Clock.h"
#include "framework/ScriptedUiServices.h"
#include "plan/ReadingPlanDoc.h"

// A plan document without files, for feeding bytes to its readers.
struct FuzzPlanDoc {
    FuzzPlanDoc() : doc(ui, reader) {
        SetTodayOverride(CJJulian::Day(2026, 12, 7));
        doc.OnNewDocument();
    }
    // Every operation that walks the loaded data, as the view and the commands do.
    void Exercise() {
        (void)doc.CountPlanVerses();
        (void)doc.CountPlanVersesRead();
        (void)doc.CountLifetimeVersesRead();
        (void)doc.GetPropertiesText();
        const uint16_t n = doc.GetElementCount();
        for (uint16_t i = 0; i < n && i < 64; ++i) {
            (void)doc.IsElementFinished(i);
            for (const VerseRange& r : doc.Elements()[i].Ranges())
                (void)RangeText(r.start, r.end);
        }
        for (uint16_t i = 0; i < n && i < 8; ++i)
            doc.FinishElement(i);
        doc.SynchronizeDates();
        doc.FoldPlanIntoLifetime();
    }
    CScriptedUiServices ui;
    CReaderContext reader;
    CReadingPlanDoc doc;
};
