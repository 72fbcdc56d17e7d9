// SPDX-License-Identifier: GPL-3.0-or-later
// Another computer's journal as the sync folder brings it, which anyone may have written: its lines
// are read or refused whole, and merging whatever was read after a sound base never fails, gives
// the same bytes in any order and with any entry twice, and leaves files that read back.
#include "foundation/Archive.h"
#include "foundation/JJulian.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "journal/Journal.h"
#include "plan/ReadingPlanDoc.h"
#include "sync/Sync.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// A reader's files as first shared: no plan yet, and a flag and a count for every verse.
CJournalEntry Base() {
    constexpr uint16_t kVerses = 31102;
    CArchive plan, history;
    plan.WriteDWord(1);
    for (int i = 0; i < 3; ++i)
        plan.WriteString("");
    for (int i = 0; i < 11; ++i)
        plan.WriteDWord(0);
    CJJulian().Serialize(plan);
    const std::string zeros(kVerses, '\0');
    for (int i = 0; i < 2; ++i) {
        plan.WriteWord(kVerses);
        plan.Write(zeros.data(), zeros.size());
    }
    plan.WriteWord(0);
    history.WriteDWord(1);
    history.WriteDWord(0);
    history.WriteWord(kVerses);
    const std::vector<uint16_t> counts(kVerses, 0);
    history.WriteWords(counts.data(), counts.size());
    history.WriteWord(0);
    CJournalEntry link;
    link.seq = 1;
    link.device = "base";
    link.kind = "link";
    link.state = {{"plan", plan.Bytes()}, {"history", history.Bytes()}};
    return link;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    size_t bad = 0;
    std::vector<CJournalEntry> entries = ReadJournalBytes(bytes, "other", bad);
    for (const CJournalEntry& e : entries)
        if (e.device != "other") std::abort();
    if (entries.size() > 64) return 0;

    static const CJournalEntry base = Base();
    entries.push_back(base);
    const MergedFiles once = MergeEntries(entries);
    std::vector<CJournalEntry> twice = entries;
    twice.insert(twice.end(), entries.begin(), entries.end());
    std::reverse(twice.begin(), twice.end());
    const MergedFiles again = MergeEntries(twice);
    if (once.plan != again.plan || once.history != again.history || once.notes != again.notes ||
        once.general != again.general)
        std::abort();
    if (!once.plan || !once.history) std::abort();
    CScriptedUiServices ui;
    CReaderContext reader;
    CReadingPlanDoc doc(ui, reader);
    doc.LoadBytes(*once.plan, *once.history);
    return 0;
}
