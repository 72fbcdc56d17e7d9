// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CArchive;

// Stands for "no verse" wherever a verse index is answered.
inline constexpr uint16_t kNoVerse = 59999;

// One note per verse, keyed by absolute verse index. The notes file lists the
// entries in the order of a 17-bucket hash table's chains (bucket (k / 16) mod
// 17, newest key in front), so the chains are kept for that order; the
// entries sit in a flat table reached through a per-index slot, their texts
// end to end in one buffer, and a bit per index answers the neighbour queries.
class CBibleNoteMap {
public:
    static constexpr int kBucketCount = 17;

    void SetNote(uint16_t index, const std::string& text);
    // The note's text; empty for none. The view holds until the map changes.
    std::string_view GetNote(uint16_t index) const;
    bool HasNote(uint16_t index) const { return SlotOf(index) != kNoSlot; }
    uint16_t NextNoted(uint16_t index) const;
    uint16_t PreviousNoted(uint16_t index) const;
    uint16_t MinNoted() const { return firstNoted; }
    uint16_t MaxNoted() const { return lastNoted; }
    size_t GetCount() const { return entries_.size(); }
    // Verse indices in file order: bucket 0 … 16, each chain front to back.
    std::vector<uint16_t> IterationOrder() const;

    // Removes every entry; first and last noted stay as they are.
    void RemoveAll();
    // Back to the state as constructed.
    void Reset();
    void Serialize(CArchive& ar);

    static int BucketOf(uint16_t index) { return (index / 16) % kBucketCount; }

private:
    static constexpr uint32_t kNoSlot = 0xFFFFFFFFu;
    static constexpr size_t kIndexCount = 65536;

    struct Entry {
        uint16_t index;
        uint32_t offset; // of its text in text_
        uint32_t length;
    };

    uint32_t SlotOf(uint16_t index) const { return slots_.empty() ? kNoSlot : slots_[index]; }
    std::string_view TextOf(const Entry& e) const {
        return std::string_view(text_).substr(e.offset, e.length);
    }
    // Assigns without validity checks, keeping an existing key's place.
    void Assign(uint16_t index, std::string_view text);
    // The entry for index, at the given place in text_, made or moved there.
    void Place(uint16_t index, uint32_t offset, uint32_t length);
    // Gives the entries read from ar their texts in text_. When the notes end
    // the archive, its bytes, then the converted texts, become text_ whole.
    void KeepTexts(CArchive& ar, const std::string& converted, bool mayTakeBytes);
    void Remove(uint16_t index);
    // Drops the bytes no entry uses once they are most of the buffer.
    void CompactIfWasteful();
    bool Present(uint32_t index) const { return (present_[index >> 6] >> (index & 63)) & 1u; }

    std::vector<Entry> entries_; // in no particular order
    // The notes' bytes, end to end; a replaced or removed note leaves its old
    // bytes behind until the buffer is compacted.
    std::string text_;
    size_t unused_ = 0;
    std::vector<uint32_t> slots_; // per index: its entry, or kNoSlot; empty until the first note
    std::array<uint64_t, kIndexCount / 64> present_{};
    // Each chain is kept back to front, so that a new key at the chain's front is an append.
    std::array<std::vector<uint16_t>, kBucketCount> chains_;
    uint16_t firstNoted = kNoVerse;
    uint16_t lastNoted = kNoVerse;
};
