#include "IconCachingStyle.h"

#include <QApplication>

CIconCachingStyle::CIconCachingStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

QIcon CIconCachingStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    // An option can change the icon (its direction, its state), so only the
    // plain request is kept.
    if (option) return QProxyStyle::standardIcon(icon, option, widget);
    auto it = icons_.constFind(icon);
    if (it == icons_.cend()) it = icons_.insert(icon, QProxyStyle::standardIcon(icon, nullptr, widget));
    return *it;
}

void CIconCachingStyle::polish(QApplication* app) {
    // Polished again when the desktop's theme changes: its icons may too.
    icons_.clear();
    QProxyStyle::polish(app);
}

void CIconCachingStyle::Install() {
    if (qobject_cast<CIconCachingStyle*>(QApplication::style())) return;
    // By name, so that a style chosen with -style or by the desktop is the one kept.
    QApplication::setStyle(new CIconCachingStyle(QApplication::style()->name()));
}
