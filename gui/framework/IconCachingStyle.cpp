#include "IconCachingStyle.h"

#include <QApplication>

CIconCachingStyle::CIconCachingStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

QIcon CIconCachingStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    // Only the title bar's own images, which no desktop theme replaces, and
    // only the plain request: an option can change the icon.
    if (option || icon < SP_TitleBarMenuButton || icon > SP_TitleBarContextHelpButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    auto it = icons_.constFind(icon);
    if (it == icons_.cend()) it = icons_.insert(icon, QProxyStyle::standardIcon(icon, nullptr, widget));
    return *it;
}

void CIconCachingStyle::Install() {
    if (qobject_cast<CIconCachingStyle*>(QApplication::style())) return;
    // By name, so that a style chosen with -style or by the desktop is the one kept.
    QApplication::setStyle(new CIconCachingStyle(QApplication::style()->name()));
}
