// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconCachingStyle.h"

#include <QApplication>
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

void CIconCachingStyle::Install() {
    if (qobject_cast<CIconCachingStyle*>(QApplication::style())) return;
    // By name, so that a style chosen with -style or by the desktop is the one kept.
    QApplication::setStyle(new CIconCachingStyle(QApplication::style()->name()));
}
