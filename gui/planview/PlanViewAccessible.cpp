// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanViewAccessible.h"

#include "ReadingPlanView.h"
#include "foundation/Clock.h"
#include "framework/DrawnViewAccessible.h"

#include <QCoreApplication>

namespace {

// Items are keyed by their line's place in the navigator's lines.
class CPlanViewAccessible : public CDrawnViewAccessible {
public:
    explicit CPlanViewAccessible(CReadingPlanView* view)
        : CDrawnViewAccessible(view, QAccessible::List, {}) {}

    CReadingPlanView* View() const { return static_cast<CReadingPlanView*>(widget()); }
    std::vector<CPlanNavigator::Line> Lines() const { return View()->Navigator().Lines(Today()); }

    int ItemCount(int parent) const override {
        return parent == kView ? static_cast<int>(Lines().size()) : 0;
    }
    int ItemKey(int, int index) const override { return index; }
    int IndexOf(int key) const override { return key >= 0 && key < ItemCount(kView) ? key : -1; }

    Item Describe(int key) const override {
        const auto lines = Lines();
        if (key < 0 || key >= static_cast<int>(lines.size())) return {};
        const CPlanNavigator::Line& line = lines[static_cast<size_t>(key)];
        Item item;
        item.name = QString::fromStdString(line.text);
        const int lh = View()->LineHeight();
        item.rect = QRect(0, line.row * lh, View()->width(), lh);
        if (View()->Navigator().ReadingAtRow(line.row) < 0) return item;
        item.role = QAccessible::ListItem;
        item.checkable = true;
        item.checked = line.tone == CPlanNavigator::Tone::read;
        item.description = item.checked ? QCoreApplication::translate("Accessibility", "Read")
                           : line.tone == CPlanNavigator::Tone::overdue
                               ? QCoreApplication::translate("Accessibility", "Not read, overdue")
                               : QCoreApplication::translate("Accessibility", "Not read");
        item.actions = {QAccessibleActionInterface::pressAction()};
        return item;
    }

    void Act(int key, const QString&) override {
        const auto lines = Lines();
        if (key < 0 || key >= static_cast<int>(lines.size())) return;
        const int reading = View()->Navigator().ReadingAtRow(lines[static_cast<size_t>(key)].row);
        View()->SetFocusedReading(reading);
        View()->MarkRead(reading);
    }

    int FocusedItem() const override {
        const int reading = View()->FocusedReading();
        const auto lines = Lines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (reading >= 0 && View()->Navigator().ReadingAtRow(lines[i].row) == reading)
                return static_cast<int>(i);
        return kView;
    }

    int ItemAt(const QPoint& p) const override {
        const auto lines = Lines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (p.y() / View()->LineHeight() == lines[i].row) return static_cast<int>(i);
        return kView;
    }

    // What the view shows besides its readings: the date lines, or the plan's status.
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Description) return CDrawnViewAccessible::text(t);
        QStringList shown;
        for (const CPlanNavigator::Line& line : Lines())
            if (View()->Navigator().ReadingAtRow(line.row) < 0 && !line.text.empty())
                shown << QString::fromStdString(line.text);
        return shown.join('\n');
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
    if (key == QLatin1String("CReadingPlanView"))
        if (auto* view = qobject_cast<CReadingPlanView*>(object)) return new CPlanViewAccessible(view);
    return nullptr;
}

} // namespace

void InstallPlanViewAccessible() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}
