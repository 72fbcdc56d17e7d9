// SPDX-License-Identifier: GPL-3.0-or-later
#include "Autostart.h"

#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"

#include <cerrno>
#include <filesystem>

namespace {

// A desktop entry's Exec argument: quoted, with ", `, $ and \ escaped inside,
// and % doubled, which would otherwise start a field code ("%f").
std::string ExecQuoted(const std::string& arg) {
    std::string out = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + '"';
}

// The value of a string key: \ is written \\; a line break would end the entry.
std::string KeyValue(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

} // namespace

std::string AutostartPath(const char* xdgConfigHome, const char* home) {
    std::string config;
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        config = xdgConfigHome;
    else if (home && *home)
        config = std::string(home) + "/.config";
    else
        return {};
    return config + "/autostart/" + kAutostartFileName;
}

std::string AutostartEntry(const std::string& program, const std::string& baseDirectory) {
    // Exec's quoting rules double the backslash once more inside the key's value.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Scrivane\n"
           "Comment=Today's Bible reading\n"
           "Exec=" +
           KeyValue(ExecQuoted(program)) + " " + kAutostartArgument +
           // The program no longer takes its working directory for the base.
           " --base " + KeyValue(ExecQuoted(baseDirectory)) +
           "\n"
           "Path=" +
           KeyValue(baseDirectory) +
           "\n"
           "Icon=scrivane\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

void SetAutostart(const std::string& path, bool on, const std::string& entry) {
    std::error_code ec;
    if (!on) {
        if (!std::filesystem::remove(path, ec) && ec)
            throw CFileException(CFileException::accessDenied, path, ec.value());
        return;
    }
    const std::filesystem::path dir = std::filesystem::path(path).parent_path();
    std::filesystem::create_directories(dir, ec);
    if (ec) throw CFileException(CFileException::badPath, path, ec.value());
    SaveFileAtomic(path, entry);
}

bool AutostartEnabled(const std::string& path) {
    return FileExists(path);
}
