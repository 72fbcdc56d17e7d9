// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QStringList>

// What assistive technology (a screen reader) is told of a view that draws its
// items itself instead of holding widgets: each drawn item becomes an object of
// its own with a role, a name, states and actions. A subclass answers for its
// view; items are keyed by an int of its choosing (kView is the view itself),
// made when first asked for and kept while the view lives.
class CDrawnViewAccessible : public QAccessibleWidget {
public:
    static constexpr int kView = -1;

    struct Item {
        QAccessible::Role role = QAccessible::StaticText;
        QString name;
        QString description;
        QRect rect; // in the view's coordinates
        bool checkable = false;
        bool checked = false;
        QStringList actions;
    };

    CDrawnViewAccessible(QWidget* view, QAccessible::Role role, const QString& name);
    ~CDrawnViewAccessible() override;

    virtual int ItemCount(int parent) const = 0;
    virtual int ItemKey(int parent, int index) const = 0;
    virtual int ParentOf(int) const { return kView; }
    // The key's place among its parent's items; -1 when it is no longer drawn.
    virtual int IndexOf(int key) const = 0;
    virtual Item Describe(int key) const = 0;
    virtual void Act(int, const QString&) {}
    // The item with the keyboard focus, or kView.
    virtual int FocusedItem() const { return kView; }
    virtual int ItemAt(const QPoint&) const { return kView; }

    QAccessibleInterface* ItemInterface(int key) const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Tells assistive technology that the view's items changed: the focused one is read again.
    static void ItemsChanged(QWidget* view);
    // Tells assistive technology that the keyboard moved to another item of the view.
    static void FocusMoved(QWidget* view);

private:
    mutable QHash<int, QAccessible::Id> items_;
};
