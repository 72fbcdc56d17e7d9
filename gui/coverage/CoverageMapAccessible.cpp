// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverageMapAccessible.h"

#include "CoverageMap.h"
#include "framework/DrawnViewAccessible.h"
#include "framework/Translation.h"
#include "scripture/Bible.h"

#include <QCoreApplication>

namespace {

// A book is keyed book × 1000, its chapter c book × 1000 + c.
constexpr int kPerBook = 1000;

class CCoverageMapAccessible : public CDrawnViewAccessible {
public:
    explicit CCoverageMapAccessible(CCoverageMap* map) : CDrawnViewAccessible(map, QAccessible::Tree, {}) {}

    CCoverageMap* Map() const { return static_cast<CCoverageMap*>(widget()); }
    int Books() const {
        const auto& chapters = Map()->Coverage().Chapters();
        return chapters.empty() ? 0 : chapters.back().book;
    }

    int ItemCount(int parent) const override {
        if (parent == kView) return Books();
        if (parent % kPerBook != 0) return 0;
        return TheBible().GetChapterCount(static_cast<uint16_t>(parent / kPerBook));
    }
    int ItemKey(int parent, int index) const override {
        return parent == kView ? (index + 1) * kPerBook : parent + index + 1;
    }
    int ParentOf(int key) const override { return key % kPerBook == 0 ? kView : key - key % kPerBook; }
    int IndexOf(int key) const override {
        const int book = key / kPerBook, chapter = key % kPerBook;
        if (book < 1 || book > Books()) return -1;
        if (chapter == 0) return book - 1;
        return Map()->Coverage().Find(static_cast<uint16_t>(book), static_cast<uint16_t>(chapter))
                   ? chapter - 1
                   : -1;
    }

    Item Describe(int key) const override {
        Item item;
        item.role = QAccessible::TreeItem;
        const auto book = static_cast<uint16_t>(key / kPerBook),
                   chapter = static_cast<uint16_t>(key % kPerBook);
        if (chapter == 0) {
            const CoverageTotals t = Map()->Coverage().BookTotals(book);
            item.name = QCoreApplication::translate("Accessibility", "%1: %2 of %3 chapters read")
                            .arg(ShownBookName(book))
                            .arg(t.chaptersRead)
                            .arg(t.chapters);
            item.rect = Map()->ChapterRect(book, 1).united(
                Map()->ChapterRect(book, TheBible().GetChapterCount(book)));
            return item;
        }
        const ChapterCoverage* c = Map()->Coverage().Find(book, chapter);
        if (!c) return item;
        // The tooltip's lines: the chapter's name, then its counts.
        QStringList lines = Map()->ChapterDescription(*c).split('\n');
        item.name = lines.takeFirst();
        if (!lines.isEmpty()) item.name += ": " + lines.join(", ");
        item.rect = Map()->ChapterRect(book, chapter);
        item.actions = {QAccessibleActionInterface::pressAction()};
        return item;
    }

    void Act(int key, const QString&) override {
        const auto book = static_cast<uint16_t>(key / kPerBook),
                   chapter = static_cast<uint16_t>(key % kPerBook);
        Map()->SetFocusedChapter(book, chapter);
        Map()->OpenChapter(book, chapter);
    }

    int FocusedItem() const override {
        const auto [book, chapter] = Map()->FocusedChapter();
        return book * kPerBook + chapter;
    }

    int ItemAt(const QPoint& p) const override {
        for (int b = 1; b <= Books(); ++b)
            for (uint16_t c = 1; c <= TheBible().GetChapterCount(static_cast<uint16_t>(b)); ++c)
                if (Map()->ChapterRect(static_cast<uint16_t>(b), c).contains(p)) return b * kPerBook + c;
        return kView;
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
    if (key == QLatin1String("CCoverageMap"))
        if (auto* map = qobject_cast<CCoverageMap*>(object)) return new CCoverageMapAccessible(map);
    return nullptr;
}

} // namespace

void InstallCoverageMapAccessible() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}
