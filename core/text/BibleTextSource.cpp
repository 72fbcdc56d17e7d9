// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibleTextSource.h"

#include "TextBackend.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <dlfcn.h>
#include <filesystem>
#include <iterator>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Where the SWORD reader is: beside the installed program, or, for a program
// run from the build tree it was built in, in that tree; SCRIVANE_TEXT_BACKEND
// names another. An installed program never looks in the build tree, whose
// place (under /tmp, say) may be anyone's by now.
std::vector<std::string> BackendCandidates(const std::string& given) {
    if (!given.empty()) return {given};
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

class CTextReadState {
public:
    std::mutex mutex;
    std::condition_variable answered;
    // Moved on as the read makes progress: what is given up is a read that stands still.
    Clock::time_point deadline;
    std::string module;                   // the module being read, named should it give nothing in time
    std::vector<CTextModuleInfo> modules; // the modules known when the read was asked for
    std::optional<CTextAnswer> answer;
    std::function<void()> onAnswer;

    void Name(const std::string& m) {
        std::lock_guard lock(mutex);
        module = m;
    }

    void Listed(const std::vector<CTextModuleInfo>& listed) {
        std::lock_guard lock(mutex);
        modules = listed;
    }

    void Progress() {
        std::lock_guard lock(mutex);
        if (!answer) deadline = Clock::now() + kTextTimeLimit;
    }

    // Past the limit without an answer, the answer is that none came.
    void ExpireLocked() {
        if (answer || Clock::now() < deadline) return;
        CTextAnswer late;
        late.modules = modules;
        late.module = module;
        late.problem = TextTimeoutMessage(module);
        answer = std::move(late);
        answered.notify_all();
    }

    // The text read; too late, it changes nothing.
    void Deliver(CTextAnswer text) {
        std::lock_guard lock(mutex);
        ExpireLocked();
        if (answer) return;
        answer = std::move(text);
        answered.notify_all();
        if (onAnswer) onAnswer();
    }
};

bool CTextRead::Wait(std::chrono::milliseconds wait) const {
    const Clock::time_point until = Clock::now() + wait;
    std::unique_lock lock(state_->mutex);
    for (state_->ExpireLocked(); !state_->answer && Clock::now() < until; state_->ExpireLocked())
        // The deadline moves on while the read makes progress.
        state_->answered.wait_until(lock, std::min(until, state_->deadline));
    return state_->answer.has_value();
}

std::optional<CTextAnswer> CTextRead::Answer() const {
    std::lock_guard lock(state_->mutex);
    state_->ExpireLocked();
    return state_->answer;
}

Clock::time_point CTextRead::Deadline() const {
    std::lock_guard lock(state_->mutex);
    return state_->deadline;
}

void CTextRead::Cancel() {
    std::lock_guard lock(state_->mutex);
    state_->onAnswer = nullptr;
}

namespace {

using Work = std::function<CTextAnswer(ITextBackend&, CTextReadState&)>;

// The thread that alone uses a source's backend, and what it shares with the
// source. The thread holds it too: a thread left running keeps what it uses.
struct CTextWorker {
    std::mutex mutex;
    std::condition_variable wake, idle;
    std::deque<std::pair<std::shared_ptr<CTextReadState>, Work>> queue;
    std::shared_ptr<CTextReadState> running;
    bool quit = false;
    std::unique_ptr<ITextBackend> backend;
    std::optional<std::vector<CTextModuleInfo>> modules; // once listed

    bool StuckLocked() const {
        if (!running) return false;
        std::lock_guard readLock(running->mutex);
        return Clock::now() >= running->deadline;
    }

    void Run() {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return quit || !queue.empty(); });
            if (quit) break;
            auto [read, work] = std::move(queue.front());
            queue.pop_front();
            {
                std::lock_guard readLock(read->mutex);
                read->ExpireLocked();
                if (read->answer) continue; // given up while it waited
            }
            running = read;
            lock.unlock();
            CTextAnswer text = work(*backend, *read);
            lock.lock();
            if (!modules) modules = text.modules;
            running.reset();
            idle.notify_all();
            lock.unlock();
            read->Deliver(std::move(text));
            lock.lock();
        }
        lock.unlock();
        // SWORD is let go on the thread that used it.
        backend.reset();
    }
};

// Every source's worker, for BibleTextReadsLeftRunning.
std::mutex workersMutex;
std::vector<std::weak_ptr<CTextWorker>>& Workers() {
    static auto* workers = new std::vector<std::weak_ptr<CTextWorker>>; // outlives every static
    return *workers;
}

// The verses first..last of module, a step at a time: each step is progress.
CPassage ReadSpan(ITextBackend& backend, CTextReadState& read, uint16_t first, uint16_t last,
                  const std::string& module) {
    constexpr uint32_t kVersesAStep = 256;
    CPassage out;
    out.module = module;
    for (uint32_t at = first; at <= last; at += kVersesAStep) {
        const auto end = static_cast<uint16_t>(std::min<uint32_t>(last, at + kVersesAStep - 1));
        CPassage step = backend.GetPassage(static_cast<uint16_t>(at), end, module);
        read.Progress();
        if (!step.problem.empty()) return step;
        if (out.damage.empty()) out.damage = std::move(step.damage);
        if (step.verses.empty()) break; // past the end of the canon
        out.verses.insert(out.verses.end(), std::make_move_iterator(step.verses.begin()),
                          std::make_move_iterator(step.verses.end()));
    }
    return out;
}

std::shared_ptr<CTextReadState> Answered(CTextAnswer answer) {
    auto read = std::make_shared<CTextReadState>();
    read->deadline = Clock::now();
    read->answer = std::move(answer);
    return read;
}

} // namespace

int BibleTextReadsLeftRunning() {
    std::lock_guard lock(workersMutex);
    int n = 0;
    for (const auto& weak : Workers())
        if (auto w = weak.lock()) {
            std::lock_guard wl(w->mutex);
            n += w->StuckLocked() ? 1 : 0;
        }
    return n;
}

std::string ResolveModuleName(const std::vector<CTextModuleInfo>& modules, const std::string& given) {
    auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    for (const CTextModuleInfo& m : modules)
        if (m.name == given) return m.name;
    const std::string key = lower(given);
    for (const CTextModuleInfo& m : modules)
        if (lower(m.name) == key) return m.name;
    for (const CTextModuleInfo& m : modules)
        if (!m.abbreviation.empty() && lower(m.abbreviation) == key) return m.name;
    return given;
}

std::string DefaultModuleOf(const std::vector<CTextModuleInfo>& modules, const std::string& language) {
    std::vector<const CTextModuleInfo*> inLanguage;
    for (const CTextModuleInfo& m : modules)
        if (!language.empty() && m.language == language) inLanguage.push_back(&m);
    if (inLanguage.empty())
        for (const CTextModuleInfo& m : modules)
            inLanguage.push_back(&m);
    for (const CTextModuleInfo* m : inLanguage)
        if (m->versification == "KJV") return m->name;
    return inLanguage.empty() ? std::string() : inLanguage.front()->name;
}

struct CBibleTextSource::Impl {
    std::shared_ptr<CTextWorker> worker; // null when the module could not be loaded
    std::thread thread;
    std::string problem; // why not

    // The module stays loaded to the end of the process, as SWORD's own statics expect.
    void Load(const std::string& libraryPath, const std::string& backendPath) {
        const std::vector<std::string> candidates = BackendCandidates(backendPath);
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
        worker = std::make_shared<CTextWorker>();
        worker->backend.reset(make(libraryPath.c_str()));
        thread = std::thread([w = worker] { w->Run(); });
        std::lock_guard lock(workersMutex);
        auto& all = Workers();
        all.erase(std::remove_if(all.begin(), all.end(), [](const auto& w) { return w.expired(); }),
                  all.end());
        all.push_back(worker);
    }

    // Hands work to the thread; answered at once while an earlier read is past its limit.
    std::shared_ptr<CTextReadState> Submit(std::string module, Work work,
                                           std::function<void()> onAnswer = {}) {
        if (!worker) {
            CTextAnswer none;
            none.problem = problem;
            return Answered(std::move(none));
        }
        auto read = std::make_shared<CTextReadState>();
        read->deadline = Clock::now() + kTextTimeLimit;
        read->module = std::move(module);
        read->onAnswer = std::move(onAnswer);
        std::lock_guard lock(worker->mutex);
        if (worker->modules) read->modules = *worker->modules;
        if (worker->StuckLocked()) {
            std::string stuck;
            {
                std::lock_guard runningLock(worker->running->mutex);
                stuck = worker->running->module;
            }
            CTextAnswer late;
            late.modules = read->modules;
            late.module = read->module;
            late.problem = TextTimeoutMessage(stuck);
            read->answer = std::move(late);
            return read;
        }
        worker->queue.emplace_back(read, std::move(work));
        worker->wake.notify_one();
        return read;
    }

    // The answer to work, waited for to the time limit.
    CTextAnswer Await(std::string module, Work work) {
        CTextRead read(Submit(std::move(module), std::move(work)));
        // Until the text comes, or the read stands still for the time limit.
        while (!read.Wait(kTextTimeLimit)) {
        }
        return *read.Answer();
    }
};

CBibleTextSource::CBibleTextSource(std::string libraryPath, std::string backendPath)
    : impl_(std::make_unique<Impl>()) {
    // Loaded now, so that SWORD's locale is settled before anything else of SWORD runs.
    impl_->Load(libraryPath, backendPath);
}

CBibleTextSource::~CBibleTextSource() {
    auto& w = impl_->worker;
    if (!w) return;
    std::unique_lock lock(w->mutex);
    w->quit = true;
    w->wake.notify_all();
    // A read under way is given to its limit; one that outlives it is left running.
    while (w->running && !w->StuckLocked())
        w->idle.wait_for(lock, std::chrono::milliseconds(20));
    const bool stuck = w->running != nullptr;
    lock.unlock();
    if (stuck)
        impl_->thread.detach();
    else
        impl_->thread.join();
}

std::shared_ptr<CTextRead> CBibleTextSource::Start(CTextRequest request, std::function<void()> onAnswer) {
    std::string module = request.module;
    Work work = [request = std::move(request)](ITextBackend& backend, CTextReadState& read) {
        CTextAnswer a;
        a.modules = backend.Modules();
        read.Listed(a.modules);
        std::string name = request.module;
        if (!name.empty() && !backend.HasModule(name)) {
            a.problem = ModuleGoneMessage(name);
            name.clear();
        }
        if (name.empty()) name = DefaultModuleOf(a.modules, request.language);
        if (name.empty()) {
            a.problem = NoModuleMessage();
            return a;
        }
        read.Name(name);
        a.module = name;
        for (const auto& [first, last] : request.spans) {
            CPassage p = ReadSpan(backend, read, first, last, name);
            // The verses it could give are shown; why the others are missing is said.
            if (!p.problem.empty())
                a.problem = p.problem;
            else if (!p.damage.empty())
                a.problem = p.damage;
            a.passages.push_back(std::move(p));
        }
        return a;
    };
    return std::make_shared<CTextRead>(
        impl_->Submit(std::move(module), std::move(work), std::move(onAnswer)));
}

std::vector<CTextModuleInfo> CBibleTextSource::Modules(std::string* problem) {
    // SWORD lists its modules once, when it opens the library.
    if (const auto& w = impl_->worker) {
        std::lock_guard lock(w->mutex);
        if (w->modules) return *w->modules;
    }
    CTextAnswer a = impl_->Await({}, [](ITextBackend& backend, CTextReadState&) {
        CTextAnswer listed;
        listed.modules = backend.Modules();
        return listed;
    });
    if (problem && a.modules.empty()) *problem = a.problem;
    return a.modules;
}

bool CBibleTextSource::HasModule(const std::string& name) {
    for (const CTextModuleInfo& m : Modules())
        if (m.name == name) return true;
    return false;
}

std::string CBibleTextSource::DefaultModule() {
    return DefaultModuleOf(Modules());
}

CPassage CBibleTextSource::GetPassage(uint16_t from, uint16_t to, const std::string& module) {
    CTextAnswer a = impl_->Await(module, [from, to, module](ITextBackend& backend, CTextReadState& read) {
        CTextAnswer out;
        out.modules = backend.Modules();
        const std::string name = module.empty() ? DefaultModuleOf(out.modules) : module;
        CPassage p;
        if (name.empty()) {
            p.problem = NoModuleMessage();
        } else {
            read.Name(name);
            p = ReadSpan(backend, read, from, to, name);
        }
        out.passages.push_back(std::move(p));
        return out;
    });
    if (!a.passages.empty()) return std::move(a.passages.front());
    CPassage none;
    none.module = a.module;
    none.problem = a.problem;
    return none;
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
