// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconCachingStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

CIconCachingStyle::CIconCachingStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

QIcon CIconCachingStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    // Only the title bar's icons, and only the plain request: an option can
    // change the icon. A style may draw them in the colours of the widget's
    // palette, so a palette of other colours makes its own.
    if (option || icon < SP_TitleBarMenuButton || icon > SP_TitleBarContextHelpButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const qint64 colours = (widget ? widget->palette() : QApplication::palette()).cacheKey();
    const Key key{icon, colours};
    auto it = icons_.constFind(key);
    if (it == icons_.cend()) it = icons_.insert(key, QProxyStyle::standardIcon(icon, nullptr, widget));
    return *it;
}

namespace {

bool WantsOutlines(const QStyleOption* option) {
    return option && option->palette.color(QPalette::Window).lightness() <= 8;
}

void Outline(QPainter* painter, const QStyleOption* option, int width) {
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::WindowText), width));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
    painter->restore();
}

} // namespace

void CIconCachingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_ProgressBarGroove && WantsOutlines(option)) Outline(painter, option, 1);
}

void CIconCachingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (!WantsOutlines(option)) return;
    int width = 1;
    switch (element) {
    case PE_FrameFocusRect:
        width = 2;
        break;
    case PE_FrameWindow:
    case PE_Frame:
    case PE_FrameLineEdit:
    case PE_FrameGroupBox:
    case PE_PanelButtonCommand:
        break;
    default:
        return;
    }
    Outline(painter, option, width);
}

void CIconCachingStyle::Install() {
    if (qobject_cast<CIconCachingStyle*>(QApplication::style())) return;
    // By name, so that a style chosen with -style or by the desktop is the one kept.
    QApplication::setStyle(new CIconCachingStyle(QApplication::style()->name()));
}
