// SPDX-License-Identifier: GPL-3.0-or-later
// The archive form of a template: a damaged file raises the archive error
// only, and a file that reads writes back to a file that reads the same.
#include "foundation/Exceptions.h"
#include "plan/TemplateFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CPlanTemplate t;
    try {
        t = ReadTemplateArchive(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const CArchiveException&) {
        return 0;
    }
    if (t.sectionCount < 1 || t.sectionCount > 6 || t.includeApocrypha != 0) std::abort();
    CPlanTemplate written = t;
    CPlanTemplate back = ReadTemplateArchive(WriteTemplateArchive(written, "Fuzz"));
    if (!(back == written)) std::abort();
    return 0;
}
