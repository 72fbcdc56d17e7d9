// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderArray.h"

#include "foundation/Archive.h"
#include "foundation/Exceptions.h"

#include <cstring>

namespace {

// Unsigned byte-wise order, as the platform's multibyte comparison gives it.
bool ByteLess(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    return c < 0 || (c == 0 && a.size() < b.size());
}

} // namespace

int CReaderArray::FindReader(const CReaderData& r) const {
    for (int i = GetCount() - 1; i >= 0; --i) {
        const CReaderData& x = readers_[static_cast<size_t>(i)];
        if (x.GetNickname() == r.GetNickname() && x.GetFirstName() == r.GetFirstName() &&
            x.GetLastName() == r.GetLastName())
            return i;
    }
    return -1;
}

int CReaderArray::FindNickname(const CReaderData& r) const {
    for (int i = GetCount() - 1; i >= 0; --i)
        if (readers_[static_cast<size_t>(i)].GetNickname() == r.GetNickname()) return i;
    return -1;
}

int CReaderArray::FindDisplayName(const std::string& name) const {
    for (int i = GetCount() - 1; i >= 0; --i)
        if (readers_[static_cast<size_t>(i)].GetDisplayName() == name) return i;
    return -1;
}

std::string CReaderArray::AddReader(const CReaderData& record) {
    if (FindReader(record) >= 0) return {};
    std::string name;
    int k = FindNickname(record);
    if (k >= 0) {
        CReaderData& other = readers_[static_cast<size_t>(k)];
        other.SetDisplayName(other.QualifiedName());
        name = record.QualifiedName();
    } else {
        name = record.GetNickname();
    }
    int e = -1;
    for (int i = 0; i < GetCount(); ++i)
        if (ByteLess(readers_[static_cast<size_t>(i)].GetDisplayName(), name)) e = i;
    CReaderData copy = record;
    copy.SetDisplayName(name);
    readers_.insert(readers_.begin() + (e + 1), copy);
    return name;
}

bool CReaderArray::RemoveReader(const std::string& name) {
    for (auto it = readers_.begin(); it != readers_.end(); ++it) {
        if (it->GetDisplayName() == name) {
            readers_.erase(it);
            return true;
        }
    }
    return false;
}

CReaderData CReaderArray::GetReaderAt(int index) const {
    if (index < 0 || index >= GetCount()) return CReaderData();
    return readers_[static_cast<size_t>(index)];
}

void CReaderArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteLong(GetCount());
        for (CReaderData& r : readers_)
            r.Serialize(ar);
    } else {
        int32_t n = ar.ReadLong();
        // A record takes at least 186 bytes; a larger count is damage.
        if (n < 0) throw CArchiveException(CArchiveException::badIndex, ar.FileName());
        ar.Require(uint64_t(n) * 186);
        for (int32_t i = 0; i < n; ++i) {
            CReaderData r;
            r.Serialize(ar);
            readers_.push_back(r);
        }
    }
}
