// SPDX-License-Identifier: GPL-3.0-or-later
#include "RescueFile.h"

#include "UiServices.h"
#include "foundation/FileAccess.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

bool RescueUnsavedBytes(IUiServices& ui, const std::string& path, std::string_view bytes) {
    const std::string name = (path.empty() ? std::string("Scrivane") : FileNameOf(path)) + ".unsaved";
    std::vector<std::string> places;
    if (!path.empty()) places.push_back(path + ".unsaved");
    if (const char* home = std::getenv("HOME"); home && *home)
        places.push_back(std::string(home) + "/" + name);
    std::error_code ec;
    std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (!ec) places.push_back((tmp / name).string());
    const std::string what = path.empty() ? std::string("The changes") : "The changes to " + path;
    for (const std::string& place : places) {
        // Never replace an earlier rescue: it may hold changes of its own.
        std::string target = place;
        for (int i = 2; FileExists(target) && i < 1000; ++i)
            target = place + std::to_string(i);
        try {
            SaveFileAtomic(target, bytes);
        } catch (const std::exception&) {
            continue;
        }
        ReportError(ui, what + " could not be written there.\nThey were kept in " + target + ".");
        return true;
    }
    ReportError(ui, what + " could not be written, nor kept anywhere else.");
    return false;
}

bool ReportAndKeepAside(IUiServices& ui, const std::string& message, const std::string& path,
                        const std::string& afterwards) {
    std::string aside = FileExists(path) ? KeepAside(path) : std::string();
    std::string text = message;
    if (!aside.empty())
        text += "\n\nThe file has been kept as " + aside + "; " + afterwards + ".";
    else if (FileExists(path))
        text += "\n\nThe file could not be moved aside; it will not be overwritten.";
    ReportError(ui, text);
    return aside.empty() ? !FileExists(path) : true;
}
