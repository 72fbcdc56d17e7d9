// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/TemplateEditorModel.h"

#include <benchmark/benchmark.h>

namespace {

// Opening the editor: the category tree, one section, every picture.
void BM_OpenTemplateEditor(benchmark::State& state) {
    for (auto _ : state) {
        CTemplateEditorModel m;
        benchmark::DoNotOptimize(m.FolderValue(0));
    }
}
BENCHMARK(BM_OpenTemplateEditor);

// The largest right click: every book of the Old Testament, then the pictures.
void BM_RightClickOldTestament(benchmark::State& state) {
    CTemplateEditorModel m;
    m.AddSection();
    m.SelectSection(2);
    for (auto _ : state) {
        m.AssignToSection(m.FolderNode(0));
        benchmark::DoNotOptimize(m.FolderValue(0));
    }
}
BENCHMARK(BM_RightClickOldTestament);

} // namespace
