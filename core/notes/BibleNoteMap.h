#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CArchive;

// Stands for "no verse" wherever a verse index is answered.
inline constexpr uint16_t kNoVerse = 59999;

// One note per verse, keyed by absolute verse index. The notes file lists the
// entries in the order of a 17-bucket hash table's chains (bucket (k / 16) mod
// 17, newest key in front), so the chains are kept for that order; the texts
// sit in a flat table reached through a per-index slot, and a bit per index
// answers the neighbour queries.
class CBibleNoteMap {
public:
    static constexpr int kBucketCount = 17;

    void SetNote(uint16_t index, const std::string& text);
    // The note's text; empty for none. The reference holds until the map changes.
    const std::string& GetNote(uint16_t index) const;
    bool HasNote(uint16_t index) const { return SlotOf(index) != kNoSlot; }
    uint16_t NextNoted(uint16_t index) const;
    uint16_t PreviousNoted(uint16_t index) const;
    uint16_t MinNoted() const { return firstNoted; }
    uint16_t MaxNoted() const { return lastNoted; }
    size_t GetCount() const { return entries_.size(); }
    bool IsEmpty() const { return entries_.empty(); }
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
        std::string text;
    };

    uint32_t SlotOf(uint16_t index) const { return slots_.empty() ? kNoSlot : slots_[index]; }
    // Assigns without validity checks, keeping an existing key's place.
    void Assign(uint16_t index, std::string text);
    void Remove(uint16_t index);
    bool Present(uint32_t index) const { return (present_[index >> 6] >> (index & 63)) & 1u; }

    std::vector<Entry> entries_;  // in no particular order
    std::vector<uint32_t> slots_; // per index: its entry, or kNoSlot; empty until the first note
    std::array<uint64_t, kIndexCount / 64> present_{};
    // Each chain is kept back to front, so that a new key at the chain's front is an append.
    std::array<std::vector<uint16_t>, kBucketCount> chains_;
    uint16_t firstNoted = kNoVerse;
    uint16_t lastNoted = kNoVerse;
};
