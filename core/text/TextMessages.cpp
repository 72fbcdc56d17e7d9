// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibleTextSource.h"

#include <cstdio>
#include <map>

std::string DebianPackageOf(const std::string& module) {
    static const std::map<std::string, std::string> known = {{"engKJV2006eb", "sword-text-kjv"},
                                                             {"engWEB2015eb", "sword-text-web"}};
    auto it = known.find(module);
    return it == known.end() ? std::string() : it->second;
}

std::string NoModuleMessage() {
    return "No Bible text is installed: install the package sword-text-kjv (or any SWORD Bible module, "
           "system-wide or in ~/.sword) to read the passage here.";
}

std::string ModuleDamagedMessage(const std::string& module, const std::string& what) {
    return "The translation " + module + " is damaged: " + what +
           ", so the verses kept there are not shown. Install the module again, or choose another "
           "translation.";
}

std::string TextTimeoutMessage(const std::string& module, std::chrono::milliseconds limit) {
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%g", static_cast<double>(limit.count()) / 1000.0);
    const std::string within = std::string(" within ") + seconds + " seconds";
    if (module.empty())
        return "The installed Bible modules could not be listed" + within +
               ": one of them may be damaged. Start Scrivane again to read the text.";
    return "The translation " + module + " gave no text" + within +
           ": its files may be damaged or on a drive that does not answer. Install the module again or "
           "choose "
           "another translation; if no text comes after that, start Scrivane again.";
}

std::string ModuleGoneMessage(const std::string& module) {
    std::string package = DebianPackageOf(module);
    if (!package.empty())
        return "The translation " + module + " is not installed: install the package " + package +
               " or choose another translation.";
    return "The translation " + module +
           " is not installed: install its SWORD module (system-wide or in ~/.sword) or choose another "
           "translation.";
}
