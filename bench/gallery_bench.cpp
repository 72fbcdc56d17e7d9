// SPDX-License-Identifier: GPL-3.0-or-later
// New Plan from Gallery: every template read and its plan generated for the
// preview, then the dialog shown (offscreen platform).
#include "foundation/Clock.h"
#include "gallery/PlanGallery.h"
#include "gallery/PlanGalleryDialog.h"

#include "BenchSupport.h"
#include "QtBenchMain.h"
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void GalleryEntries(benchmark::State& state) {
    const std::string shipped = ShippedPlansDirectory();
    size_t entries = 0;
    for (auto _ : state) {
        std::vector<GalleryEntry> all = ListGallery(shipped, {}, Today());
        entries = all.size();
        benchmark::DoNotOptimize(all);
    }
    state.counters["templates"] = static_cast<double>(entries);
}
BENCHMARK(GalleryEntries)->Unit(benchmark::kMillisecond);

// What the reader waits for: from the command to the dialog on screen.
void GalleryDialogOpens(benchmark::State& state) {
    const std::string shipped = ShippedPlansDirectory();
    for (auto _ : state) {
        CPlanGalleryDialog dialog(ListGallery(shipped, {}, Today()));
        dialog.show();
        QApplication::processEvents();
        state.PauseTiming();
        dialog.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(GalleryDialogOpens)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks(argc, argv);
}
