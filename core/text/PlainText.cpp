// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainText.h"

#include <cstdint>

namespace {

// The code point that ends just before pos (UTF-8), or 0 at the start.
char32_t CodePointBefore(std::string_view s, size_t pos) {
    if (pos == 0) return 0;
    size_t start = pos - 1;
    while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80 && pos - start < 4)
        --start;
    auto b = static_cast<unsigned char>(s[start]);
    if (b < 0x80) return b;
    int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (start + static_cast<size_t>(length) != pos) return 0xFFFD;
    char32_t cp = b & (0x3F >> (length - 1));
    for (size_t i = start + 1; i < pos; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return cp;
}

char32_t CodePointAt(std::string_view s, size_t pos) {
    if (pos >= s.size()) return 0;
    auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) return b;
    int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (length == 1 || pos + static_cast<size_t>(length) > s.size()) return 0xFFFD;
    char32_t cp = b & (0x3F >> (length - 1));
    for (int i = 1; i < length; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + static_cast<size_t>(i)]) & 0x3F);
    return cp;
}

// Letters and digits of scripts that separate their words with blanks.
bool IsWordChar(char32_t c) {
    if (c < 0x80) return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (c >= 0x2000 && c <= 0x206F) return false; // general punctuation: quotes, dashes
    if (c >= 0x2E80) return false;                // scripts written without blanks
    return c != 0xA0 && c != 0xFFFD;
}

bool EndsWord(char32_t c) {
    return IsWordChar(c) || c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' ||
           c == ')' || c == 0x2019 || c == 0x201D;
}

bool StartsWord(char32_t c) {
    return IsWordChar(c) || c == '(' || c == 0x2018 || c == 0x201C;
}

// The visible character before pos, stepping back over markup.
char32_t VisibleBefore(std::string_view s, size_t pos) {
    while (pos > 0) {
        if (s[pos - 1] == '>') {
            size_t open = s.rfind('<', pos - 1);
            if (open == std::string_view::npos) return '>';
            // Right after another note: that one has kept the break already.
            if (s.compare(open, 7, "</note>") == 0) return 0;
            pos = open;
            continue;
        }
        return CodePointBefore(s, pos);
    }
    return 0;
}

char32_t VisibleAfter(std::string_view s, size_t pos) {
    while (pos < s.size()) {
        if (s[pos] == '<') {
            size_t close = s.find('>', pos);
            if (close == std::string_view::npos) return 0;
            // A note after the note is removed as well; look beyond it.
            if (s.compare(pos, 5, "<note") == 0 && s[close - 1] != '/') {
                size_t end = s.find("</note>", close);
                if (end == std::string_view::npos) return 0;
                pos = end + 7;
                continue;
            }
            pos = close + 1;
            continue;
        }
        return CodePointAt(s, pos);
    }
    return 0;
}

bool IsNoteStart(std::string_view s, size_t pos) {
    if (s.compare(pos, 5, "<note") != 0 || pos + 5 >= s.size()) return false;
    char next = s[pos + 5];
    return next == '>' || next == ' ' || next == '/' || next == '\t' || next == '\n';
}

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::string KeepWordBreaksAroundNotes(std::string_view osis) {
    std::string out;
    out.reserve(osis.size() + 8);
    size_t copied = 0;
    size_t pos = osis.find("<note");
    while (pos != std::string_view::npos) {
        if (IsNoteStart(osis, pos)) {
            size_t close = osis.find('>', pos);
            if (close == std::string_view::npos) break;
            size_t end = close + 1;
            if (osis[close - 1] != '/') {
                size_t closing = osis.find("</note>", close);
                end = closing == std::string_view::npos ? osis.size() : closing + 7;
            }
            if (EndsWord(VisibleBefore(osis, pos)) && StartsWord(VisibleAfter(osis, end))) {
                out.append(osis.substr(copied, pos - copied));
                out += ' ';
                copied = pos;
            }
            pos = osis.find("<note", end);
        } else {
            pos = osis.find("<note", pos + 5);
        }
    }
    out.append(osis.substr(copied));
    return out;
}

std::string NormalizePlainText(std::string_view rendered) {
    std::string out;
    out.reserve(rendered.size());
    std::string line;
    auto flushLine = [&] {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (line.empty()) return;
        if (!out.empty()) out += '\n';
        out += line;
        line.clear();
    };
    for (size_t i = 0; i < rendered.size(); ++i) {
        char c = rendered[i];
        if (c == '\n') {
            flushLine();
        } else if (IsBlankByte(c)) {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    flushLine();
    return out;
}
