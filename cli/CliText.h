#pragma once
#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

// A stored text as one TAB-separated field on one line: backslash, TAB, CR
// and LF are written as \\, \t, \r and \n. Runs without them go out whole.
inline void PutCliField(std::ostream& out, std::string_view text) {
    for (;;) {
        const size_t special = text.find_first_of("\\\t\r\n");
        out.write(text.data(), static_cast<std::streamsize>(std::min(special, text.size())));
        if (special == std::string_view::npos) return;
        switch (text[special]) {
        case '\\':
            out << "\\\\";
            break;
        case '\t':
            out << "\\t";
            break;
        case '\r':
            out << "\\r";
            break;
        default:
            out << "\\n";
        }
        text.remove_prefix(special + 1);
    }
}

inline std::string CliField(std::string_view text) {
    if (text.find_first_of("\\\t\r\n") == std::string_view::npos) return std::string(text);
    std::ostringstream out;
    PutCliField(out, text);
    return out.str();
}

// A multi-line message as one line of stderr.
inline std::string CliMessage(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    return out;
}
