// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderData.h"

#include "foundation/Archive.h"

void CReaderData::SetPlacement(int slot, const WindowPlacement& p) {
    if (slot >= 1 && slot <= 4) placements[slot - 1] = p;
}

WindowPlacement CReaderData::GetPlacement(int slot) const {
    return slot >= 1 && slot <= 4 ? placements[slot - 1] : WindowPlacement{};
}

std::string CReaderData::QualifiedName() const {
    std::string s = nickname + " (";
    if (!firstName.empty()) s += firstName + " ";
    if (!lastName.empty())
        s += lastName;
    else
        s += firstName.empty() ? "No Name Listed" : "[No Last Name]";
    return s + ")";
}

namespace {

void SerializePoint(CArchive& ar, int32_t& x, int32_t& y) {
    if (ar.IsStoring()) {
        ar.WriteLong(x);
        ar.WriteLong(y);
    } else {
        x = ar.ReadLong();
        y = ar.ReadLong();
    }
}

void SerializePlacement(CArchive& ar, WindowPlacement& p) {
    SerializePoint(ar, p.length, p.flags);
    if (ar.IsStoring())
        ar.WriteLong(p.showCmd);
    else
        p.showCmd = ar.ReadLong();
    SerializePoint(ar, p.minX, p.minY);
    SerializePoint(ar, p.maxX, p.maxY);
    SerializePoint(ar, p.left, p.top);
    SerializePoint(ar, p.right, p.bottom);
}

} // namespace

void CReaderData::Serialize(CArchive& ar) {
    std::string* strings[] = {&firstName, &lastName, &nickname, &displayName, &fileStem, &generalNotesPath};
    if (ar.IsStoring()) {
        for (std::string* s : strings)
            ar.WriteString(*s);
        ar.WriteLong(apocrypha);
    } else {
        for (std::string* s : strings)
            *s = ar.ReadString();
        apocrypha = ar.ReadLong();
    }
    for (WindowPlacement& p : placements)
        SerializePlacement(ar, p);
}
