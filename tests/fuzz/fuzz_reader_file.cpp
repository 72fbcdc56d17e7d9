// SPDX-License-Identifier: GPL-3.0-or-later
// The reader file on any bytes: a damaged file raises the archive error only
// and leaves the collection as it was; a file that reads writes back to a
// file that reads the same.
#include "foundation/Archive.h"
#include "foundation/Exceptions.h"
#include "reader/ReaderFile.h"

#include <cstdlib>

namespace {

bool Same(const CReaderArray& a, const CReaderArray& b) {
    if (a.GetCount() != b.GetCount()) return false;
    for (int i = 0; i < a.GetCount(); ++i)
        if (!(a.At(i) == b.At(i))) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CArchive ar(std::string(reinterpret_cast<const char*>(data), size));
    std::string last;
    CReaderArray readers;
    try {
        last = ar.ReadString();
        readers.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    }
    CArchive again(ReaderFileBytes(last, readers));
    CReaderArray back;
    if (again.ReadString() != last) std::abort();
    back.Serialize(again);
    if (!Same(back, readers) || again.Remaining() != 0) std::abort();
    return 0;
}
