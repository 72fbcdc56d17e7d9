// SPDX-License-Identifier: GPL-3.0-or-later
// The template editor, given any text-form template and then any run of
// clicks, keeps its sections and pictures in range and never lets the plan
// lose its last book.
#include "plan/TemplateEditorModel.h"
#include "plan/TemplateText.h"

#include <algorithm>
#include <cstdlib>

namespace {

int BooksInPlan(const CTemplateEditorModel& m) {
    return static_cast<int>(m.tmpl.bookSection.size()) - m.BooksInSection(0);
}

void Check(const CTemplateEditorModel& m) {
    if (m.SectionCount() < 1 || m.SectionCount() > kMaxSections) std::abort();
    if (m.SelectedSection() < 0 || m.SelectedSection() > m.SectionCount()) std::abort();
    if (static_cast<int>(m.tmpl.bookSection.size()) != m.BookCount()) std::abort();
    for (int32_t s : m.tmpl.bookSection)
        if (s < 0 || s > kMaxSections) std::abort();
    for (int node = 0; node < static_cast<int>(m.TreeNodes().size()); ++node) {
        int image = m.NodeImage(node), selected = m.NodeSelectedImage(node);
        if (image < 0 || image >= kImageCount || selected < 0 || selected >= kImageCount) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is a text-form template, then after the first 0xFF byte the clicks.
    const uint8_t* split = std::find(data, data + size, 0xFF);
    static CTemplateEditorModel m;
    m.ResetTemplate();
    m.ApplyLoaded(ReadTemplateText(std::string_view(reinterpret_cast<const char*>(data), split - data)));
    Check(m);
    const int nodes = static_cast<int>(m.TreeNodes().size());
    for (const uint8_t* p = split == data + size ? split : split + 1; p < data + size; ++p) {
        int before = BooksInPlan(m);
        int sections = m.SectionCount();
        switch (*p % 6) {
        case 0:
            m.SelectSection(*p / 6 % 8);
            break;
        case 1:
        case 2:
            m.AssignToSection(*p / 6 % nodes - 1 + (*p % 6 == 2 ? 42 : 0));
            if (before >= 1 && BooksInPlan(m) < 1) std::abort();
            break;
        case 3:
            m.AddSection();
            if (m.SectionCount() > sections + 1) std::abort();
            break;
        case 4:
            m.RemoveSection();
            if (m.SectionCount() > sections) std::abort();
            break;
        case 5:
            m.SetFolderExpanded(*p / 6 % nodes, *p & 0x80);
            break;
        }
        Check(m);
    }
    return 0;
}
