// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The books' names in a language the windows speak, from SWORD's locale files (made by
// scripts/make-book-names). The canon's own English names stay in every file and in the CLI.
struct CLocalBookNames {
    struct Spelling {
        const char* text; // as SWORD reads it, upper case: "1 KOR", "SALMOS"
        uint16_t book;    // 1 … 66
    };
    const char* language; // "es"
    std::array<const char*, 66> names;
    std::array<const char*, 66> abbreviations;
    std::span<const Spelling> spellings;
};

// Those of language ("es", "de"); nullptr for English and any language without a table.
const CLocalBookNames* LocalBookNames(std::string_view language);
