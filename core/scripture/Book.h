// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

class CArchive;

// One book of the canon: per chapter (c at position c - 1) its first verse
// number (0 for a titled psalm), last verse number and the absolute index of
// its first verse position.
class CBook {
public:
    std::string name;
    uint8_t category = 0;
    std::vector<uint8_t> firstVerse;
    std::vector<uint8_t> lastVerse;
    std::vector<uint16_t> chapterStart;

    // A stored book may carry arrays of unequal length; only whole chapters count.
    uint16_t GetChapterCount() const {
        size_t n = std::min({firstVerse.size(), lastVerse.size(), chapterStart.size()});
        return static_cast<uint16_t>(std::min<size_t>(n, 0xFFFF));
    }
    // Chapter c from 1; the caller validates c.
    uint8_t GetFirstVerse(uint16_t c) const { return firstVerse[c - 1u]; }
    uint8_t GetLastVerse(uint16_t c) const { return lastVerse[c - 1u]; }
    uint16_t GetChapterStart(uint16_t c) const { return chapterStart[c - 1u]; }

    void Clear();
    void Serialize(CArchive& ar);
};
