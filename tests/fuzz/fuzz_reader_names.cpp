// SPDX-License-Identifier: GPL-3.0-or-later
// Reader names from anywhere: creating, renaming and deleting several readers
// must never touch anything outside the base directory nor list two readers
// under one name, whatever the names hold.
#include "framework/ScriptedUiServices.h"
#include "reader/ReaderEnvironment.h"

#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The run's directory, removed when the run ends.
struct Root {
    std::string path;
    Root() {
        char tmpl[] = "/tmp/scrivane-fuzz-names-XXXXXX";
        const char* root = ::mkdtemp(tmpl);
        if (!root) std::abort();
        path = root;
        ::mkdir((path + "/base").c_str(), 0777);
        // A neighbour that must survive every input.
        ::mkdir((path + "/outside").c_str(), 0777);
    }
    ~Root() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

int CountEntries(const std::string& dir) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return -1;
    int n = 0;
    while (dirent* e = ::readdir(d))
        if (e->d_name[0] != '.' || (e->d_name[1] && !(e->d_name[1] == '.' && !e->d_name[2]))) ++n;
    ::closedir(d);
    return n;
}

// Splits the input at NUL bytes into names, three a reader (nick, first, last).
std::vector<std::string> Names(const uint8_t* data, size_t size) {
    std::vector<std::string> names(1);
    for (size_t i = 0; i < size && names.size() <= 12; ++i) {
        if (data[i] == 0)
            names.emplace_back();
        else
            names.back() += static_cast<char>(data[i]);
    }
    while (names.size() % 3)
        names.emplace_back();
    return names;
}

// Nor two readers listed under one name, nor two sharing a directory (deleting one would take the other's
// files).
void CheckDisplayNamesUnique(const CReaderEnvironment& env) {
    std::set<std::string> seen, directories;
    for (const std::string& name : env.ReaderList())
        if (!seen.insert(name).second) std::abort();
    for (int i = 0; i < env.Readers().GetCount(); ++i) {
        const std::string& stem = env.Readers().At(i).GetFileStem();
        if (!stem.empty() && !directories.insert(stem.substr(0, stem.rfind('\\'))).second) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Root root;
    const std::string base = root.path + "/base";
    std::vector<std::string> n = Names(data, size);

    CScriptedUiServices ui;
    CReaderEnvironment env(ui);
    env.SetBaseDirectory(base);
    // The first readers are created; the last group of names renames the first reader.
    const size_t readers = n.size() / 3 > 1 ? n.size() / 3 - 1 : 1;
    for (size_t r = 0; r < readers; ++r) {
        env.CreateReader({n[3 * r + 1], n[3 * r + 2], n[3 * r]}, {});
        CheckDisplayNamesUnique(env);
    }
    if (env.Readers().GetCount() > 0 && n.size() / 3 > 1) {
        ui.messageBoxAnswers = {IDYES};
        const size_t e = n.size() - 3;
        env.ModifyReader(env.Readers().At(0).GetDisplayName(), {n[e + 1], n[e + 2], n[e]});
        CheckDisplayNamesUnique(env);
    }
    while (env.Readers().GetCount() > 0) {
        ui.messageBoxAnswers = {IDYES, IDYES};
        if (!env.DeleteReader(env.Readers().At(0).GetDisplayName())) std::abort();
    }
    // Only base and the neighbour are in the root, and the neighbour is untouched.
    if (CountEntries(root.path) != 2 || CountEntries(root.path + "/outside") != 0) std::abort();
    // Whatever was made inside base is cleared for the next input.
    CReaderEnvironment::DeleteDirectoryTree(base);
    ::mkdir(base.c_str(), 0777);
    return 0;
}
