// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibleNoteMap.h"

#include "foundation/Archive.h"
#include "foundation/Prefault.h"
#include "scripture/Bible.h"

#include <algorithm>
#include <bit>

namespace {

bool IsValid(uint16_t index) {
    return TheBible().IsValidVerseIndex(index);
}

} // namespace

void CBibleNoteMap::Assign(uint16_t index, std::string_view text) {
    const auto length = static_cast<uint32_t>(text.size());
    const uint32_t slot = SlotOf(index);
    if (slot != kNoSlot && length <= entries_[slot].length) {
        // No longer than before: written over the old bytes.
        Entry& e = entries_[slot];
        text.copy(text_.data() + e.offset, length);
        unused_ += e.length - length;
        e.length = length;
        return;
    }
    const auto offset = static_cast<uint32_t>(text_.size());
    text_.append(text);
    if (slot != kNoSlot) unused_ += entries_[slot].length;
    Place(index, offset, length);
}

void CBibleNoteMap::Place(uint16_t index, uint32_t offset, uint32_t length) {
    if (slots_.empty()) {
        slots_.reserve(kIndexCount);
        PrefaultForWriting(slots_.data(), kIndexCount * sizeof(uint32_t));
        slots_.assign(kIndexCount, kNoSlot);
    }
    uint32_t& slot = slots_[index];
    if (slot != kNoSlot) {
        entries_[slot].offset = offset;
        entries_[slot].length = length;
        return;
    }
    slot = static_cast<uint32_t>(entries_.size());
    entries_.push_back({index, offset, length});
    present_[index >> 6] |= uint64_t(1) << (index & 63);
    chains_[BucketOf(index)].push_back(index);
}

void CBibleNoteMap::KeepTexts(CArchive& ar, const std::string& converted, bool mayTakeBytes) {
    const std::string& bytes = ar.Bytes();
    size_t live = 0;
    for (const Entry& e : entries_)
        live += e.length;
    if (mayTakeBytes && ar.Remaining() == 0) {
        text_ = ar.TakeBytes();
        text_ += converted;
        unused_ = text_.size() - live;
        return;
    }
    // Something follows the notes, or the load failed: the texts are copied
    // out, and the archive is left as it is.
    std::string kept;
    kept.reserve(live);
    for (Entry& e : entries_) {
        const std::string_view from =
            e.offset >= bytes.size() ? std::string_view(converted).substr(e.offset - bytes.size(), e.length)
                                     : std::string_view(bytes).substr(e.offset, e.length);
        e.offset = static_cast<uint32_t>(kept.size());
        kept.append(from);
    }
    text_ = std::move(kept);
    unused_ = 0;
}

void CBibleNoteMap::Remove(uint16_t index) {
    const uint32_t slot = SlotOf(index);
    if (slot == kNoSlot) return;
    unused_ += entries_[slot].length;
    // The last entry takes the removed one's place in the table.
    if (slot + 1 != entries_.size()) {
        entries_[slot] = entries_.back();
        slots_[entries_[slot].index] = slot;
    }
    entries_.pop_back();
    slots_[index] = kNoSlot;
    present_[index >> 6] &= ~(uint64_t(1) << (index & 63));
    auto& chain = chains_[BucketOf(index)];
    chain.erase(std::find(chain.begin(), chain.end(), index));
}

void CBibleNoteMap::CompactIfWasteful() {
    if (unused_ < 4096 || unused_ * 2 < text_.size()) return;
    std::string kept;
    kept.reserve(text_.size() - unused_);
    for (Entry& e : entries_) {
        const auto offset = static_cast<uint32_t>(kept.size());
        kept.append(TextOf(e));
        e.offset = offset;
    }
    text_ = std::move(kept);
    unused_ = 0;
}

void CBibleNoteMap::RemoveAll() {
    entries_ = {};
    text_ = {};
    unused_ = 0;
    slots_ = {};
    present_.fill(0);
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
    CompactIfWasteful();

    if (entries_.empty()) {
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

std::string_view CBibleNoteMap::GetNote(uint16_t index) const {
    if (!IsValid(index)) return {};
    const uint32_t slot = SlotOf(index);
    return slot == kNoSlot ? std::string_view() : TextOf(entries_[slot]);
}

// Entries loaded from a file may carry indices beyond the canon; the walk over
// valid indices never reaches them, and neither does this search.
uint16_t CBibleNoteMap::NextNoted(uint16_t index) const {
    uint16_t i = static_cast<uint16_t>(index + 1);
    if (entries_.empty() || !IsValid(i)) return kNoVerse;
    const uint32_t total = TheBible().GetTotalVerseCount();
    size_t word = i >> 6;
    uint64_t bits = present_[word] & (~uint64_t(0) << (i & 63));
    for (;;) {
        if (bits != 0) {
            const uint32_t found = static_cast<uint32_t>(word * 64 + std::countr_zero(bits));
            return found < total ? static_cast<uint16_t>(found) : kNoVerse;
        }
        if (++word >= present_.size() || word * 64 >= total) return kNoVerse;
        bits = present_[word];
    }
}

uint16_t CBibleNoteMap::PreviousNoted(uint16_t index) const {
    uint16_t i = static_cast<uint16_t>(index - 1);
    if (entries_.empty() || !IsValid(i)) return kNoVerse;
    size_t word = i >> 6;
    const unsigned shift = 63 - (i & 63);
    uint64_t bits = (present_[word] << shift) >> shift;
    for (;;) {
        if (bits != 0) return static_cast<uint16_t>(word * 64 + 63 - std::countl_zero(bits));
        if (word == 0) return kNoVerse;
        bits = present_[--word];
    }
}

std::vector<uint16_t> CBibleNoteMap::IterationOrder() const {
    std::vector<uint16_t> order;
    order.reserve(entries_.size());
    for (const auto& chain : chains_)
        order.insert(order.end(), chain.rbegin(), chain.rend());
    return order;
}

void CBibleNoteMap::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        size_t bytes = 6;
        for (const Entry& e : entries_)
            bytes += 2 + 7 + e.length;
        ar.Reserve(bytes);
        ar.WriteWord(static_cast<uint16_t>(entries_.size()));
        ar.WriteWord(firstNoted);
        ar.WriteWord(lastNoted);
        for (const auto& chain : chains_) {
            for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
                ar.WriteWord(*it);
                ar.WriteString(TextOf(entries_[slots_[*it]]));
            }
        }
        return;
    }
    RemoveAll();
    uint16_t count = ar.ReadWord();
    firstNoted = ar.ReadWord();
    lastNoted = ar.ReadWord();
    // Each entry takes at least three bytes; a damaged count cannot make the table huge.
    entries_.reserve(std::min<size_t>(count, ar.Remaining() / 3));
    PrefaultForWriting(entries_.data(), entries_.capacity() * sizeof(Entry));
    // The texts stay where they lie in the file's bytes, which become the
    // text buffer: a full file is read into memory once, not copied again.
    // Wide texts, converted to UTF-8, go after those bytes.
    const size_t fileBytes = ar.Bytes().size();
    std::string converted;
    try {
        for (uint16_t n = 0; n < count; ++n) {
            const uint16_t index = ar.ReadWord();
            const CArchive::StringPlace at = ar.ReadStringInPlace(converted);
            Place(index, static_cast<uint32_t>(at.converted ? fileBytes + at.offset : at.offset),
                  static_cast<uint32_t>(at.length));
        }
    } catch (...) {
        // What was read before the damage stays readable.
        KeepTexts(ar, converted, false);
        throw;
    }
    KeepTexts(ar, converted, true);
    CompactIfWasteful();
}
