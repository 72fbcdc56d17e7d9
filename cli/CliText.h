// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

// Long listings are written in pieces of about this size.
inline constexpr size_t kCliWriteChunk = 64 * 1024;

// A long listing (the largest plan, a note on every verse: hundreds of
// thousands of bytes) put together in one buffer that stays in the same few
// pages and goes out in a few large writes. Pieces are written straight into
// the buffer's room.
class CCliListing {
public:
    explicit CCliListing(std::ostream& out) : out_(out), buffer_(new char[kCliWriteChunk]) {}
    ~CCliListing() { Flush(); }
    CCliListing(const CCliListing&) = delete;
    CCliListing& operator=(const CCliListing&) = delete;

    // Room for n bytes (at most kCliWriteChunk) at the end; what was written
    // there is kept by Advance, given the end of it.
    char* Room(size_t n) {
        if (kCliWriteChunk - used_ < n) Flush();
        return buffer_.get() + used_;
    }
    void Advance(char* end) { used_ = static_cast<size_t>(end - buffer_.get()); }
    void Append(std::string_view text) {
        if (text.size() > kCliWriteChunk) {
            Flush();
            out_.write(text.data(), static_cast<std::streamsize>(text.size()));
            return;
        }
        char* p = Room(text.size());
        std::memcpy(p, text.data(), text.size());
        Advance(p + text.size());
    }
    void Append(char c) { *Room(1) = c, ++used_; }
    void Flush() {
        if (used_ != 0) out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
        used_ = 0;
    }

private:
    std::ostream& out_;
    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
};

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

// Whether text is ASCII without a backslash, TAB, CR or LF, so that it goes
// into a listing as it is; eight bytes are looked at at a time. It may answer
// false for other control characters too, which only sends them the long way.
inline bool IsPlainCliText(std::string_view text) {
    constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
    auto flagged = [](uint64_t w) {
        // Any byte with its high bit, any below CR + 1 (TAB, LF and CR among
        // them: exact once no high bit is set), any backslash.
        const uint64_t low = (w - kOnes * ('\r' + 1)) & ~w;
        const uint64_t slash = w ^ (kOnes * '\\');
        return ((w | low | ((slash - kOnes) & ~slash)) & kHighs) != 0;
    };
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        if (flagged(w)) return false;
    }
    if (i == text.size()) return true;
    uint64_t w = kOnes * 'a';
    std::memcpy(&w, text.data() + i, text.size() - i);
    return !flagged(w);
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
