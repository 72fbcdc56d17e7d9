// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Long listings are written in pieces of about this size.
inline constexpr size_t kCliWriteChunk = 64 * 1024;

// Where the first backslash, TAB, CR or LF of text is; its size when none.
// A listing of every note goes through here, so eight bytes are looked at
// at a time (a byte equal to one of the four shows up as a zero byte of the
// word XORed with it).
inline size_t FindCliSpecial(std::string_view text) {
    constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
    auto hasZeroByte = [](uint64_t v) { return ((v - kOnes) & ~v & kHighs) != 0; };
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        if (hasZeroByte(w ^ (kOnes * '\\')) || hasZeroByte(w ^ (kOnes * '\t')) ||
            hasZeroByte(w ^ (kOnes * '\r')) || hasZeroByte(w ^ (kOnes * '\n')))
            break;
    }
    while (i < text.size() && text[i] != '\\' && text[i] != '\t' && text[i] != '\r' && text[i] != '\n')
        ++i;
    return i;
}

// A stored text as one TAB-separated field on one line: backslash, TAB, CR
// and LF are written as \\, \t, \r and \n. Runs without them are copied whole.
inline void AppendCliField(std::string& out, std::string_view text) {
    for (;;) {
        const size_t special = FindCliSpecial(text);
        out.append(text.substr(0, special));
        if (special == text.size()) return;
        switch (text[special]) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += "\\n";
        }
        text.remove_prefix(special + 1);
    }
}

inline std::string CliField(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendCliField(out, text);
    return out;
}

// A multi-line message as one line of stderr.
inline std::string CliMessage(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    return out;
}
