// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prefault.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

void PrefaultForWriting(void* data, size_t bytes) {
    // Below this the buffer mostly lies in pages the heap already has. A plan or its history of
    // some tens of kilobytes is above it: one call maps its pages in quicker than their faults one
    // by one.
    constexpr size_t kWorthIt = 32 * 1024;
    if (bytes < kWorthIt) return;
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(page - 1);
    // Older kernels refuse the advice; the pages then fault one by one, as always.
    if (end > begin) (void)::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}
