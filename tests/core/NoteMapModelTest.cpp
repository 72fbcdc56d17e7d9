// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Archive.h"
#include "notes/BibleNoteMap.h"
#include "scripture/Bible.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <random>

namespace {

// A plain model of the map: a sorted map for the texts and, per bucket, a
// chain with the newest key in front, which is the order of the notes file.
struct Model {
    std::map<uint16_t, std::string> notes;
    std::array<std::deque<uint16_t>, CBibleNoteMap::kBucketCount> chains;

    void Set(uint16_t index, const std::string& text) {
        if (text.empty()) {
            if (notes.erase(index)) {
                auto& c = chains[CBibleNoteMap::BucketOf(index)];
                c.erase(std::find(c.begin(), c.end(), index));
            }
            return;
        }
        if (notes.insert_or_assign(index, text).second)
            chains[CBibleNoteMap::BucketOf(index)].push_front(index);
    }
    std::vector<uint16_t> Order() const {
        std::vector<uint16_t> order;
        for (const auto& c : chains)
            order.insert(order.end(), c.begin(), c.end());
        return order;
    }
};

void ExpectSame(const CBibleNoteMap& map, const Model& model, uint16_t total) {
    ASSERT_EQ(map.GetCount(), model.notes.size());
    ASSERT_EQ(map.IterationOrder(), model.Order());
    for (const auto& [index, text] : model.notes)
        ASSERT_EQ(map.GetNote(index), text) << index;
    // Neighbours from a spread of places, against the sorted model.
    for (uint32_t from = 0; from < total; from += 97) {
        auto next = model.notes.upper_bound(static_cast<uint16_t>(from));
        ASSERT_EQ(map.NextNoted(static_cast<uint16_t>(from)),
                  next == model.notes.end() ? kNoVerse : next->first);
        auto at = model.notes.lower_bound(static_cast<uint16_t>(from));
        uint16_t previous = at == model.notes.begin() ? kNoVerse : std::prev(at)->first;
        ASSERT_EQ(map.PreviousNoted(static_cast<uint16_t>(from)), previous) << from;
    }
}

TEST(NoteMapModel, RandomChangesKeepTextsNeighboursAndFileOrder) {
    const uint16_t total = TheBible().GetTotalVerseCount();
    std::mt19937 random(7);
    for (int round = 0; round < 4; ++round) {
        CBibleNoteMap map;
        Model model;
        // Clustered keys share buckets and chains; wide ones reach every word of the index bits.
        const uint16_t spread = round % 2 ? total : 400;
        for (int step = 0; step < 3000; ++step) {
            const uint16_t index = static_cast<uint16_t>(random() % spread);
            const bool remove = random() % 3 == 0;
            // Texts of every length, so that a new text is written over the old
            // one, or after all the others, and the buffer is compacted now and then.
            const std::string text =
                remove
                    ? std::string()
                    : std::string(random() % 300, static_cast<char>('a' + step % 26)) + std::to_string(step);
            map.SetNote(index, text);
            model.Set(index, text);
            if (step % 500 == 0) ExpectSame(map, model, total);
        }
        SCOPED_TRACE(round);
        ExpectSame(map, model, total);

        // Stored and loaded: each chain comes back in the order the file gives it.
        CArchive out;
        map.Serialize(out);
        CBibleNoteMap loaded;
        CArchive in(out.Bytes());
        loaded.Serialize(in);
        Model reloaded;
        for (uint16_t index : model.Order())
            reloaded.Set(index, model.notes.at(index));
        ExpectSame(loaded, reloaded, total);
    }
}

TEST(NoteMapModel, LoadedDuplicatesAndFarIndicesKeepTheirPlace) {
    // Four entries: 16 and 288 share bucket 1; 16 comes twice; 65535 lies beyond the canon.
    CArchive file;
    file.WriteWord(4);
    file.WriteWord(16);
    file.WriteWord(288);
    for (auto [index, text] : std::vector<std::pair<uint16_t, std::string>>{
             {16, "first"}, {288, "second"}, {16, "again"}, {65535, "far"}}) {
        file.WriteWord(index);
        file.WriteString(text);
    }
    CBibleNoteMap map;
    CArchive in(file.Bytes());
    map.Serialize(in);
    EXPECT_EQ(map.GetCount(), 3u);
    EXPECT_EQ(map.GetNote(16), "again");
    EXPECT_EQ(map.NextNoted(16), 288);
    EXPECT_EQ(map.NextNoted(288), kNoVerse); // 65535 is never a neighbour
    EXPECT_EQ(map.IterationOrder(), (std::vector<uint16_t>{288, 16, 65535}));
    map.SetNote(16, "");
    EXPECT_EQ(map.IterationOrder(), (std::vector<uint16_t>{288, 65535}));
    EXPECT_EQ(map.GetNote(288), "second");
}

// Texts stored as bytes and texts stored wide read the same once loaded,
// whatever follows in the archive, and survive later changes.
TEST(NoteMapModel, NarrowAndWideTextsLoadAlike) {
    const std::string wideAeEuro("\xFF\xFE\xFF\x03"
                                 "A\0\xE9\0\xAC\x20",
                                 10);
    for (const bool more : {false, true}) {
        CArchive file;
        file.WriteWord(4);
        file.WriteWord(5);
        file.WriteWord(7);
        file.WriteWord(5);
        file.WriteString("narrow");
        file.WriteWord(6);
        file.Write(wideAeEuro.data(), wideAeEuro.size());
        file.WriteWord(7);
        file.WriteString("will be wide");
        file.WriteWord(7);
        file.Write(wideAeEuro.data(), wideAeEuro.size());
        if (more) file.WriteWord(0xBEEF);
        CBibleNoteMap map;
        CArchive in(file.Bytes());
        map.Serialize(in);
        SCOPED_TRACE(more);
        EXPECT_EQ(map.GetCount(), 3u);
        EXPECT_EQ(map.GetNote(5), "narrow");
        EXPECT_EQ(map.GetNote(6), "A\xC3\xA9\xE2\x82\xAC");
        EXPECT_EQ(map.GetNote(7), "A\xC3\xA9\xE2\x82\xAC");
        if (more) {
            EXPECT_EQ(in.ReadWord(), 0xBEEF);
        }
        EXPECT_EQ(in.Remaining(), 0u);
        // Written over in place, and after the others.
        map.SetNote(5, "nar");
        map.SetNote(6, "a longer text than before");
        EXPECT_EQ(map.GetNote(5), "nar");
        EXPECT_EQ(map.GetNote(6), "a longer text than before");
        EXPECT_EQ(map.GetNote(7), "A\xC3\xA9\xE2\x82\xAC");
    }
}

} // namespace
