// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ReaderData.h"

#include <string>
#include <vector>

// All reader records, ascending by display name under byte-wise comparison
// as AddReader inserts them.
class CReaderArray {
public:
    // Adds a copy and returns the display name given to it; empty when a
    // record with the same nickname, first and last name exists.
    std::string AddReader(const CReaderData& record);
    // Highest index with the same nickname, first and last name; -1 if none.
    int FindReader(const CReaderData& record) const;
    int FindNickname(const CReaderData& record) const;
    int FindDisplayName(const std::string& name) const;
    // Removes the lowest record with that display name.
    bool RemoveReader(const std::string& name);
    CReaderData GetReaderAt(int index) const;
    int GetCount() const { return static_cast<int>(readers_.size()); }
    CReaderData& At(int index) { return readers_.at(static_cast<size_t>(index)); }
    const CReaderData& At(int index) const { return readers_.at(static_cast<size_t>(index)); }

    // Appends a copy at the end, as loading does; AddReader keeps the order.
    void Append(const CReaderData& record) { readers_.push_back(record); }

    // Storing: an int count, then the records. Loading appends.
    void Serialize(CArchive& ar);

private:
    std::vector<CReaderData> readers_;
};
