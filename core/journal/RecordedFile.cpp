// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordedFile.h"

#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"
#include "framework/UiServices.h"

JournalCheck CheckJournal(IUiServices& ui, CJournal& journal, const std::vector<CJournalEntry>& tail,
                          const std::vector<std::pair<std::string, std::string>>& prints,
                          std::optional<CJournalEntry>* pending) {
    bool known = true, agrees = true;
    for (const auto& [key, print] : prints) {
        const JournalFileChange* last = nullptr;
        for (auto e = tail.rbegin(); e != tail.rend() && !last; ++e)
            last = e->File(key);
        known = known && last;
        agrees = agrees && (!last || last->after == print);
    }
    if (known && agrees) return JournalCheck::agrees;
    if (!agrees) ReportError(ui, "The reading journal " + journal.Path() + kJournalDisagrees);
    CJournalEntry baseline;
    baseline.kind = "baseline";
    for (const auto& [key, print] : prints)
        baseline.files.push_back({key, print, print, {}});
    if (agrees && pending) {
        *pending = std::move(baseline);
        return JournalCheck::started;
    }
    journal.Append(baseline);
    return agrees ? JournalCheck::started : JournalCheck::disagrees;
}

void CommitRecordedFile(CJournal& journal, const std::string& path,
                        const std::shared_ptr<const std::string>& was, const std::string& bytes,
                        std::vector<CJournalEntry>& entries, std::optional<CJournalEntry>* pending) {
    CFileTransaction commit(journal.Path() + ".commit");
    commit.Write(path, bytes);
    if (!entries.empty()) {
        JournalFileChange change{FileNameOf(path), Fingerprint(was.get()), Fingerprint(&bytes), {}};
        if (was) change.hunks = DiffBytes(*was, bytes);
        entries.back().files.push_back(std::move(change));
    }
    try {
        if (pending && *pending) journal.AddTo(commit, **pending);
        for (CJournalEntry& e : entries)
            journal.AddTo(commit, e);
        commit.Commit();
        if (pending) pending->reset();
    } catch (const CCommitPendingException&) {
        if (pending) pending->reset();
        throw;
    } catch (...) {
        journal.ForgetNumbers();
        throw;
    }
}
