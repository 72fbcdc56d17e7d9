// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaseDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    // A service started without HOME still has a home in the password database.
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

} // namespace

std::string DefaultBaseDirectory() {
    std::string data;
    // A relative XDG_DATA_HOME is invalid and is to be ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') {
        data = xdg;
    } else {
        const std::string home = HomeDirectory();
        if (home.empty()) return {};
        data = home + "/.local/share";
    }
    while (data.size() > 1 && data.back() == '/')
        data.pop_back();
    return data + "/Scrivane";
}

std::string MakeBaseDirectory(const std::string& base) {
    std::error_code ec;
    std::filesystem::create_directories(base, ec);
    if (ec) return "The directory " + base + " cannot be made: " + ec.message() + ".";
    if (!std::filesystem::is_directory(base, ec)) return base + " is not a directory.";
    return {};
}
