// SPDX-License-Identifier: GPL-3.0-or-later
// The archive's string and count readers (and the other primitives) on any
// bytes: only the end-of-file error may come out, and what is read as a
// narrow string writes back to the same bytes.
#include "foundation/Archive.h"
#include "foundation/Exceptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t selector = data[0];
    CArchive ar(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    try {
        for (int step = 0; step < 64; ++step) {
            const size_t before = ar.Position();
            switch ((selector >> (step % 4 * 2)) & 3) {
            case 0: {
                bool wide = ar.Remaining() >= 3 && ar.Bytes()[before] == '\xFF' &&
                            ar.Bytes()[before + 1] == '\xFE' && ar.Bytes()[before + 2] == '\xFF';
                std::string s = ar.ReadString();
                if (!wide) {
                    CArchive out;
                    out.WriteString(s);
                    CArchive again(out.Bytes());
                    if (again.ReadString() != s) std::abort();
                }
                break;
            }
            case 1: {
                uint32_t c = ar.ReadCount();
                CArchive out;
                out.WriteCount(c);
                CArchive again(out.Bytes());
                if (again.ReadCount() != c) std::abort();
                break;
            }
            case 2:
                ar.ReadDWord();
                break;
            case 3:
                ar.ReadWord();
                break;
            }
            if (ar.Position() <= before || ar.Position() > ar.Bytes().size()) std::abort();
        }
    } catch (const CArchiveException& e) {
        if (e.cause != CArchiveException::endOfFile) std::abort();
    }
    return 0;
}
