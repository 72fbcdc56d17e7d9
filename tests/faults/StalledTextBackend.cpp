// SPDX-License-Identifier: GPL-3.0-or-later
// A Bible text reader module whose reads never return, loaded in place of the
// SWORD one (SCRIVANE_TEXT_BACKEND, or a source's backend path) to check that
// no window and no command waits on a read for longer than the time limit.
#include "text/TextBackend.h"

#include <chrono>
#include <thread>

namespace {

class CStalledTextBackend final : public ITextBackend {
public:
    std::vector<CTextModuleInfo> Modules() override {
        return {{"Stalled", "A module that never answers", "en", "KJV"}};
    }
    bool HasModule(const std::string& name) override { return name == "Stalled"; }
    CPassage GetPassage(uint16_t, uint16_t, const std::string&) override {
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    }
};

} // namespace

extern "C" __attribute__((visibility("default"))) ITextBackend* ScrivaneMakeTextBackend(const char*) {
    return new CStalledTextBackend;
}
