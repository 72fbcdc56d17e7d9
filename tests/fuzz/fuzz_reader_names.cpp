// Reader names from anywhere: creating, renaming and deleting readers must
// never touch anything outside the base directory, whatever the names hold.
#include "framework/ScriptedUiServices.h"
#include "reader/ReaderEnvironment.h"

#include <cstdlib>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string MakeRoot() {
    char tmpl[] = "/tmp/scrivane-fuzz-names-XXXXXX";
    const char* root = ::mkdtemp(tmpl);
    if (!root) std::abort();
    std::string r = root;
    ::mkdir((r + "/base").c_str(), 0777);
    // A neighbour that must survive every input.
    ::mkdir((r + "/outside").c_str(), 0777);
    return r;
}

int CountEntries(const std::string& dir) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return -1;
    int n = 0;
    while (dirent* e = ::readdir(d))
        if (e->d_name[0] != '.' || (e->d_name[1] && !(e->d_name[1] == '.' && !e->d_name[2]))) ++n;
    ::closedir(d);
    return n;
}

// Splits the input at NUL bytes into up to six names.
std::vector<std::string> Names(const uint8_t* data, size_t size) {
    std::vector<std::string> names(6);
    size_t k = 0;
    for (size_t i = 0; i < size && k < names.size(); ++i) {
        if (data[i] == 0)
            ++k;
        else
            names[k] += static_cast<char>(data[i]);
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string root = MakeRoot();
    const std::string base = root + "/base";
    std::vector<std::string> n = Names(data, size);

    CScriptedUiServices ui;
    CReaderEnvironment env(ui);
    env.SetBaseDirectory(base);
    int i = env.CreateReader({n[1], n[2], n[0]}, {});
    if (i >= 0) {
        ui.messageBoxAnswers = {IDYES};
        std::string name = env.Readers().At(i).GetDisplayName();
        int j = env.ModifyReader(name, {n[4], n[5], n[3]});
        if (j >= 0) name = env.Readers().At(j).GetDisplayName();
        ui.messageBoxAnswers = {IDYES, IDYES};
        env.DeleteReader(name);
    }
    // Only base and the neighbour are in the root, and the neighbour is untouched.
    if (CountEntries(root) != 2 || CountEntries(root + "/outside") != 0) std::abort();
    // Whatever was made inside base is cleared for the next input.
    CReaderEnvironment::DeleteDirectoryTree(base);
    ::mkdir(base.c_str(), 0777);
    return 0;
}
