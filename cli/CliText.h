#pragma once
#include <string>
#include <string_view>

// A stored text as one TAB-separated field on one line: backslash, TAB, CR
// and LF are written as \\, \t, \r and \n.
inline std::string CliField(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A multi-line message as one line of stderr.
inline std::string CliMessage(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    return out;
}
