// SPDX-License-Identifier: GPL-3.0-or-later
// The verse notes file reader: any bytes either load or fail with an archive
// error; what loads stores and reloads to the same notes.
#include "foundation/Archive.h"
#include "foundation/Exceptions.h"
#include "notes/BibleNoteMap.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CBibleNoteMap map;
    try {
        CArchive ar(std::string(reinterpret_cast<const char*>(data), size));
        map.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    }
    CArchive out;
    map.Serialize(out);
    CBibleNoteMap again;
    CArchive in(out.Bytes());
    again.Serialize(in);
    if (again.MinNoted() != map.MinNoted() || again.MaxNoted() != map.MaxNoted() ||
        again.GetCount() != map.GetCount())
        std::abort();
    for (uint16_t index : map.IterationOrder())
        if (again.GetNote(index) != map.GetNote(index)) std::abort();
    uint16_t probes[] = {0, 1, map.MinNoted(), map.MaxNoted(), 31217, 31218, 59999, 65535};
    for (uint16_t p : probes) {
        uint16_t n = map.NextNoted(p), q = map.PreviousNoted(p);
        if ((n != kNoVerse && (n <= p && p != 65535)) || (q != kNoVerse && q >= p)) std::abort();
    }
    map.SetNote(map.MinNoted(), "");
    map.SetNote(0, "x");
    return 0;
}
