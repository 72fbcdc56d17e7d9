#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CArchive;

// Stands for "no verse" wherever a verse index is answered.
inline constexpr uint16_t kNoVerse = 59999;

// One note per verse, keyed by absolute verse index. The entries are kept in
// the chains of a 17-bucket hash table (bucket (k / 16) mod 17, newest key in
// front) because that order is the order of the notes file; a sorted index
// beside it answers the neighbour queries.
class CBibleNoteMap {
public:
    static constexpr int kBucketCount = 17;

    void SetNote(uint16_t index, const std::string& text);
    std::string GetNote(uint16_t index) const;
    bool HasNote(uint16_t index) const { return notes_.count(index) != 0; }
    uint16_t NextNoted(uint16_t index) const;
    uint16_t PreviousNoted(uint16_t index) const;
    uint16_t MinNoted() const { return firstNoted; }
    uint16_t MaxNoted() const { return lastNoted; }
    size_t GetCount() const { return notes_.size(); }
    bool IsEmpty() const { return notes_.empty(); }
    // Verse indices in file order: bucket 0 … 16, each chain front to back.
    std::vector<uint16_t> IterationOrder() const;

    // Removes every entry; first and last noted stay as they are.
    void RemoveAll();
    // Back to the state as constructed.
    void Reset();
    void Serialize(CArchive& ar);

    static int BucketOf(uint16_t index) { return (index / 16) % kBucketCount; }

private:
    // Assigns without validity checks, keeping an existing key's place.
    void Assign(uint16_t index, const std::string& text);
    void Remove(uint16_t index);

    std::map<uint16_t, std::string> notes_;
    std::array<std::vector<uint16_t>, kBucketCount> chains_; // front of a chain at position 0
    uint16_t firstNoted = kNoVerse;
    uint16_t lastNoted = kNoVerse;
};
