// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzPlanDoc.h"
#include "foundation/Archive.h"

#include <cstdint>
#include <exception>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPlanDoc f;
    try {
        CArchive ar(std::string(reinterpret_cast<const char*>(data), size));
        f.doc.SerializeHistory(ar);
    } catch (const std::exception&) {
        return 0;
    }
    f.doc.MarkRangeRead(0, 65535);
    f.doc.AddLifetimeReading(65000, 65535);
    f.Exercise();
    CArchive out;
    f.doc.SerializeHistory(out);
    return 0;
}
