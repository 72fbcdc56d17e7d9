// SPDX-License-Identifier: GPL-3.0-or-later
#include "RescueFile.h"

#include "UiServices.h"
#include "foundation/FileAccess.h"
#include "foundation/Translatable.h"

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
        ReportError(ui, path.empty()
                            ? Say(ui,
                                  TR_NOOP("Core", "The changes could not be written there.\nThey "
                                                  "were kept in %1."),
                                  {target})
                            : Say(ui,
                                  TR_NOOP("Core", "The changes to %1 could not be written there.\nThey "
                                                  "were kept in %2."),
                                  {path, target}));
        return true;
    }
    ReportError(
        ui, path.empty()
                ? Say(ui, TR_NOOP("Core", "The changes could not be written, nor kept anywhere else."), {})
                : Say(ui, TR_NOOP("Core", "The changes to %1 could not be written, nor kept anywhere else."),
                      {path}));
    return false;
}

bool ReportAndKeepAside(IUiServices& ui, const std::string& message, const std::string& path,
                        const std::string& afterwards) {
    std::string aside = FileExists(path) ? KeepAside(path) : std::string();
    std::string text = message;
    if (!aside.empty())
        text += "\n\n" + Say(ui, TR_NOOP("Core", "The file has been kept as %1; %2."),
                             {aside, ui.Forms().Text(afterwards.c_str())});
    else if (FileExists(path))
        text += "\n\n" + ui.Forms().Text(TR_NOOP("Core", "The file could not be moved aside; it will not be "
                                                         "overwritten."));
    ReportError(ui, text);
    return aside.empty() ? !FileExists(path) : true;
}
