// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>

// Maps in one call the pages of a large buffer about to be written, which
// would otherwise each fault on first touch; small buffers are left alone.
void PrefaultForWriting(void* data, size_t bytes);
