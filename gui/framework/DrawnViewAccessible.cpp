// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawnViewAccessible.h"

#include <QWidget>

namespace {

// One drawn item. It holds no copy of what it shows: every answer is asked of
// the view's interface, so that it never tells of a day the view left.
class CDrawnItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CDrawnItemAccessible(QWidget* view, int key) : view_(view), key_(key) {}

    int Key() const { return key_; }
    CDrawnViewAccessible* View() const {
        return view_ ? dynamic_cast<CDrawnViewAccessible*>(QAccessible::queryAccessibleInterface(view_))
                     : nullptr;
    }

    bool isValid() const override {
        const CDrawnViewAccessible* v = View();
        return v && v->IndexOf(key_) >= 0;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* parent() const override {
        CDrawnViewAccessible* v = View();
        if (!v) return nullptr;
        const int p = v->ParentOf(key_);
        return p == CDrawnViewAccessible::kView ? static_cast<QAccessibleInterface*>(v) : v->ItemInterface(p);
    }
    QAccessibleInterface* child(int index) const override {
        CDrawnViewAccessible* v = View();
        if (!v || index < 0 || index >= v->ItemCount(key_)) return nullptr;
        return v->ItemInterface(v->ItemKey(key_, index));
    }
    int childCount() const override {
        const CDrawnViewAccessible* v = View();
        return v ? v->ItemCount(key_) : 0;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const auto* item = dynamic_cast<const CDrawnItemAccessible*>(c);
        const CDrawnViewAccessible* v = View();
        if (!item || !v || v->ParentOf(item->Key()) != key_) return -1;
        return v->IndexOf(item->Key());
    }

    QString text(QAccessible::Text t) const override {
        const CDrawnViewAccessible* v = View();
        if (!v) return {};
        const CDrawnViewAccessible::Item item = v->Describe(key_);
        if (t == QAccessible::Name) return item.name;
        if (t == QAccessible::Description) return item.description;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const CDrawnViewAccessible* v = View();
        if (!v) return {};
        const QRect r = v->Describe(key_).rect;
        return QRect(view_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        const CDrawnViewAccessible* v = View();
        return v ? v->Describe(key_).role : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const CDrawnViewAccessible* v = View();
        if (!v) {
            s.invalid = true;
            return s;
        }
        const CDrawnViewAccessible::Item item = v->Describe(key_);
        s.invisible = !view_->isVisible();
        s.readOnly = true;
        s.checkable = item.checkable;
        s.checked = item.checked;
        // What the keyboard can reach is focusable; the rest is read.
        s.focusable = !item.actions.isEmpty();
        s.focused = s.focusable && view_->hasFocus() && v->FocusedItem() == key_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override {
        const CDrawnViewAccessible* v = View();
        return v ? v->Describe(key_).actions : QStringList();
    }
    void doAction(const QString& name) override {
        if (CDrawnViewAccessible* v = View(); v && actionNames().contains(name)) v->Act(key_, name);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QWidget> view_;
    int key_;
};

} // namespace

CDrawnViewAccessible::CDrawnViewAccessible(QWidget* view, QAccessible::Role role, const QString& name)
    : QAccessibleWidget(view, role, name) {}

CDrawnViewAccessible::~CDrawnViewAccessible() {
    for (QAccessible::Id id : std::as_const(items_))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* CDrawnViewAccessible::ItemInterface(int key) const {
    if (key == kView) return const_cast<CDrawnViewAccessible*>(this);
    if (auto it = items_.find(key); it != items_.end()) return QAccessible::accessibleInterface(*it);
    auto* item = new CDrawnItemAccessible(widget(), key);
    items_.insert(key, QAccessible::registerAccessibleInterface(item));
    return item;
}

int CDrawnViewAccessible::childCount() const {
    return ItemCount(kView);
}

QAccessibleInterface* CDrawnViewAccessible::child(int index) const {
    if (index < 0 || index >= ItemCount(kView)) return nullptr;
    return ItemInterface(ItemKey(kView, index));
}

int CDrawnViewAccessible::indexOfChild(const QAccessibleInterface* c) const {
    const auto* item = dynamic_cast<const CDrawnItemAccessible*>(c);
    if (!item || ParentOf(item->Key()) != kView) return -1;
    return IndexOf(item->Key());
}

QAccessibleInterface* CDrawnViewAccessible::childAt(int x, int y) const {
    const int key = ItemAt(widget()->mapFromGlobal(QPoint(x, y)));
    return key == kView ? nullptr : ItemInterface(key);
}

QAccessibleInterface* CDrawnViewAccessible::focusChild() const {
    const int key = FocusedItem();
    return key == kView ? nullptr : ItemInterface(key);
}

void CDrawnViewAccessible::ItemsChanged(QWidget* view) {
    if (!QAccessible::isActive()) return;
    auto* v = dynamic_cast<CDrawnViewAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (!v) return;
    QAccessibleEvent changed(v, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    const int key = v->FocusedItem();
    if (key == kView || !view->hasFocus()) return;
    QAccessibleInterface* item = v->ItemInterface(key);
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent state(item, checked);
    QAccessible::updateAccessibility(&state);
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void CDrawnViewAccessible::FocusMoved(QWidget* view) {
    if (!QAccessible::isActive() || !view->hasFocus()) return;
    auto* v = dynamic_cast<CDrawnViewAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (!v || v->FocusedItem() == kView) return;
    QAccessibleEvent focus(v->ItemInterface(v->FocusedItem()), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}
