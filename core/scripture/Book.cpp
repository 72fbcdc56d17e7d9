// SPDX-License-Identifier: GPL-3.0-or-later
#include "Book.h"

#include "foundation/Archive.h"

void CBook::Clear() {
    name.clear();
    category = 0;
    firstVerse.clear();
    lastVerse.clear();
    chapterStart.clear();
}

namespace {

template <class T> void SerializeArray(CArchive& ar, std::vector<T>& v) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<uint32_t>(v.size()));
        for (T x : v) {
            if constexpr (sizeof(T) == 1)
                ar.WriteByte(x);
            else
                ar.WriteWord(x);
        }
    } else {
        uint32_t n = ar.ReadCount();
        ar.Require(uint64_t(n) * sizeof(T));
        v.assign(n, 0);
        for (T& x : v) {
            if constexpr (sizeof(T) == 1)
                x = ar.ReadByte();
            else
                x = ar.ReadWord();
        }
    }
}

} // namespace

void CBook::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(name);
        ar.WriteByte(category);
    } else {
        name = ar.ReadString();
        category = ar.ReadByte();
    }
    SerializeArray(ar, firstVerse);
    SerializeArray(ar, lastVerse);
    SerializeArray(ar, chapterStart);
}
