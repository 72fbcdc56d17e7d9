#include "BibleTextSource.h"

#include "TextBackend.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

namespace {

// Where the SWORD reader is: beside the installed program, or, for a program
// run from the build tree it was built in, in that tree; SCRIVANE_TEXT_BACKEND
// names another. An installed program never looks in the build tree, whose
// place (under /tmp, say) may be anyone's by now.
std::vector<std::string> BackendCandidates() {
    if (const char* named = std::getenv("SCRIVANE_TEXT_BACKEND"); named && *named) return {named};
    std::vector<std::string> candidates;
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {SCRIVANE_TEXT_MODULE_FROM_BINDIR};
    candidates.push_back(
        (program.parent_path() / SCRIVANE_TEXT_MODULE_FROM_BINDIR).lexically_normal().string());
    const std::string buildTree = std::string(SCRIVANE_BUILD_TREE) + "/";
    if (program.string().compare(0, buildTree.size(), buildTree) == 0)
        candidates.push_back(SCRIVANE_TEXT_MODULE_IN_BUILD);
    return candidates;
}

} // namespace

struct CBibleTextSource::Impl {
    std::unique_ptr<ITextBackend> backend; // null when the module could not be loaded
    std::string problem;                   // why not

    // The module stays loaded to the end of the process, as SWORD's own statics expect.
    void Load(const std::string& libraryPath) {
        const std::vector<std::string> candidates = BackendCandidates();
        std::string path = candidates.front();
        std::error_code ec;
        for (const std::string& c : candidates)
            if (std::filesystem::exists(c, ec)) {
                path = c;
                break;
            }
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        auto make = handle
                        ? reinterpret_cast<MakeTextBackendFunction>(::dlsym(handle, kMakeTextBackendSymbol))
                        : nullptr;
        if (!make) {
            const char* why = ::dlerror();
            problem = "The Bible text reader of Scrivane could not be loaded (" +
                      std::string(why ? why : path) + "): reinstall Scrivane to read the passage here.";
            return;
        }
        backend.reset(make(libraryPath.c_str()));
    }
};

CBibleTextSource::CBibleTextSource(std::string libraryPath) : impl_(std::make_unique<Impl>()) {
    // Loaded now, so that SWORD's locale is settled before anything else of SWORD runs.
    impl_->Load(libraryPath);
}

CBibleTextSource::~CBibleTextSource() = default;

std::vector<CTextModuleInfo> CBibleTextSource::Modules() {
    ITextBackend* backend = impl_->backend.get();
    return backend ? backend->Modules() : std::vector<CTextModuleInfo>();
}

bool CBibleTextSource::HasModule(const std::string& name) {
    ITextBackend* backend = impl_->backend.get();
    return backend && backend->HasModule(name);
}

std::string CBibleTextSource::DefaultModule() {
    std::vector<CTextModuleInfo> modules = Modules();
    for (const CTextModuleInfo& m : modules)
        if (m.versification == "KJV") return m.name;
    return modules.empty() ? std::string() : modules.front().name;
}

CPassage CBibleTextSource::GetPassage(uint16_t from, uint16_t to, const std::string& module) {
    CPassage out;
    ITextBackend* backend = impl_->backend.get();
    if (!backend) {
        out.problem = impl_->problem;
        return out;
    }
    out.module = module.empty() ? DefaultModule() : module;
    if (out.module.empty()) {
        out.problem = NoModuleMessage();
        return out;
    }
    return backend->GetPassage(from, to, out.module);
}

CVerseText CBibleTextSource::GetVerse(uint16_t index, const std::string& module) {
    CPassage p = GetPassage(index, index, module);
    if (!p.verses.empty()) return p.verses.front();
    CVerseText missing;
    missing.index = index;
    missing.reference = TheBible().GetReferenceText(TheBible().GetVerseAt(index));
    missing.missing = true;
    return missing;
}

std::string CBibleTextSource::Problem() const {
    return impl_->problem;
}

CBibleTextSource& TheBibleText() {
    static CBibleTextSource source;
    return source;
}
