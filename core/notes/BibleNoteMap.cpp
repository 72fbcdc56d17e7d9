#include "BibleNoteMap.h"

#include "foundation/Archive.h"
#include "scripture/Bible.h"

#include <algorithm>

namespace {

bool IsValid(uint16_t index) {
    return TheBible().IsValidVerseIndex(index);
}

} // namespace

void CBibleNoteMap::Assign(uint16_t index, const std::string& text) {
    auto [it, added] = notes_.insert_or_assign(index, text);
    if (added) {
        auto& chain = chains_[BucketOf(index)];
        chain.insert(chain.begin(), index);
    }
}

void CBibleNoteMap::Remove(uint16_t index) {
    if (notes_.erase(index) == 0) return;
    auto& chain = chains_[BucketOf(index)];
    chain.erase(std::find(chain.begin(), chain.end(), index));
}

void CBibleNoteMap::RemoveAll() {
    notes_.clear();
    for (auto& chain : chains_)
        chain = {};
}

void CBibleNoteMap::Reset() {
    RemoveAll();
    firstNoted = lastNoted = kNoVerse;
}

void CBibleNoteMap::SetNote(uint16_t index, const std::string& text) {
    if (!IsValid(index)) return;
    bool had = HasNote(index);
    bool added = false;
    bool removed = false;
    if (!text.empty()) {
        Assign(index, text);
        added = !had;
    } else if (had) {
        Remove(index);
        removed = true;
    }

    if (notes_.empty()) {
        RemoveAll(); // frees the table, as emptying the map always did
        firstNoted = lastNoted = kNoVerse;
    } else if (added) {
        if (index < firstNoted) firstNoted = index;
        if (lastNoted < index || lastNoted == kNoVerse) lastNoted = index;
    } else if (removed) {
        if (index == firstNoted) firstNoted = NextNoted(65535);
        if (index == lastNoted) lastNoted = PreviousNoted(TheBible().GetTotalVerseCount());
    }
}

std::string CBibleNoteMap::GetNote(uint16_t index) const {
    if (!IsValid(index)) return {};
    auto it = notes_.find(index);
    return it == notes_.end() ? std::string() : it->second;
}

// Entries loaded from a file may carry indices beyond the canon; the walk over
// valid indices never reaches them, and neither does this search.
uint16_t CBibleNoteMap::NextNoted(uint16_t index) const {
    uint16_t i = static_cast<uint16_t>(index + 1);
    if (notes_.empty() || !IsValid(i)) return kNoVerse;
    auto it = notes_.lower_bound(i);
    if (it == notes_.end() || !IsValid(it->first)) return kNoVerse;
    return it->first;
}

uint16_t CBibleNoteMap::PreviousNoted(uint16_t index) const {
    uint16_t i = static_cast<uint16_t>(index - 1);
    if (notes_.empty() || !IsValid(i)) return kNoVerse;
    auto it = notes_.upper_bound(i);
    if (it == notes_.begin()) return kNoVerse;
    return std::prev(it)->first;
}

std::vector<uint16_t> CBibleNoteMap::IterationOrder() const {
    std::vector<uint16_t> order;
    order.reserve(notes_.size());
    for (const auto& chain : chains_)
        order.insert(order.end(), chain.begin(), chain.end());
    return order;
}

void CBibleNoteMap::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteWord(static_cast<uint16_t>(notes_.size()));
        ar.WriteWord(firstNoted);
        ar.WriteWord(lastNoted);
        for (uint16_t index : IterationOrder()) {
            ar.WriteWord(index);
            ar.WriteString(notes_.at(index));
        }
        return;
    }
    RemoveAll();
    uint16_t count = ar.ReadWord();
    firstNoted = ar.ReadWord();
    lastNoted = ar.ReadWord();
    for (uint16_t n = 0; n < count; ++n) {
        uint16_t index = ar.ReadWord();
        Assign(index, ar.ReadString());
    }
}
