#pragma once
#include <string>
#include <string_view>

// A stored text as one TAB-separated field on one line: backslash, TAB, CR
// and LF are written as \\, \t, \r and \n. Runs without them are copied whole.
inline void AppendCliField(std::string& out, std::string_view text) {
    for (;;) {
        size_t special = 0;
        while (special < text.size() && text[special] != '\\' && text[special] != '\t' &&
               text[special] != '\r' && text[special] != '\n')
            ++special;
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
