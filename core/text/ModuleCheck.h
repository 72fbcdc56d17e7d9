// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The check of a Bible module's files that comes before SWORD reads them.
// SWORD believes its indices: it allocates and fills a block of whatever size
// the block index claims, and it blocks for good on a file that is a FIFO. So
// every verse is looked up in the indices here first, and SWORD is only asked
// for verses whose bytes lie inside regular files, in blocks of a sane size.
// Free of SWORD, so that it can be tested and fuzzed on its own.

// How a module keeps its verses: SWORD's drivers zText, zText4, RawText, RawText4.
enum class CModuleLayout { Compressed, Compressed4, Raw, Raw4 };
std::optional<CModuleLayout> LayoutOfDriver(std::string_view driver);

// The largest block (compressed or unpacked) and the largest verse read: a whole
// book of the Bible is a few megabytes.
inline constexpr uint64_t kLargestModuleBlock = uint64_t(64) << 20;

// What may be read of one testament of a module.
struct CTestamentCheck {
    // By the module's index of the verse in its testament: 0 when SWORD may
    // read it, else 1 + the place in `reasons` of why not.
    std::vector<uint8_t> verse;
    // Why verses are not read, each completing "The translation X is damaged: …".
    std::vector<std::string> reasons;

    // Why the verse at index is not read; null when it may be.
    const std::string* Problem(uint32_t index) const;
};

// Checks the files of one testament ("ot" or "nt") in the module's data
// directory, whose versification has `entries` places in that testament.
CTestamentCheck CheckTestament(const std::string& directory, const std::string& testament,
                               CModuleLayout layout, uint32_t entries);

// Why a verse whose block SWORD could not unpack is missing.
std::string UnpackProblem(const std::string& testament, CModuleLayout layout);
