// SPDX-License-Identifier: GPL-3.0-or-later
// The Bible Coverage map: its chapter statistics from a full history, and
// the map painted at 1280 × 900.
#include "coverage/Coverage.h"
#include "coverage/CoverageMap.h"
#include "scripture/Bible.h"

#include "BenchSupport.h"
#include "QtBenchMain.h"
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

// Every verse read a few times, a plan over half the canon and half of that read.
struct FullHistory {
    std::vector<uint16_t> lifetime;
    std::vector<uint8_t> inPlan, readInPlan;
    FullHistory() {
        const uint16_t n = TheBible().GetTotalVerseCount();
        std::mt19937 random(17);
        lifetime.resize(n);
        inPlan.resize(n);
        readInPlan.resize(n);
        for (uint16_t v = 0; v < n; ++v) {
            lifetime[v] = static_cast<uint16_t>(random() % 5);
            inPlan[v] = v % 2;
            readInPlan[v] = v % 4 == 1;
        }
    }
};

void CoverageStatistics(benchmark::State& state) {
    const FullHistory h;
    for (auto _ : state) {
        CCoverage c = CCoverage::Compute(h.lifetime, h.inPlan, h.readInPlan);
        benchmark::DoNotOptimize(c.Chapters().data());
    }
}
BENCHMARK(CoverageStatistics)->Unit(benchmark::kMicrosecond);

void CoverageMapPaint(benchmark::State& state) {
    const FullHistory h;
    const CCoverage c = CCoverage::Compute(h.lifetime, h.inPlan, h.readInPlan);
    QImage image(1280, 900, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        CCoverageMapPainter::Paint(p, image.rect(), c);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(CoverageMapPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks(argc, argv);
}
