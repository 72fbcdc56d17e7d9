// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <utility>

// The application's style, with the title bar's icons made once for each
// palette. Every document window's title bar and system menu asks for them,
// and the style reads and decodes each icon's images anew on every request.
// On a black window (High Contrast) it outlines frames, buttons and the focus
// in the text's colour: styles draw them in shades of the window's colour.
class CIconCachingStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit CIconCachingStyle(const QString& baseKey);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

    // Puts the style in place over the application's current one, once.
    static void Install();

private:
    // The icon and the palette it was made for.
    using Key = std::pair<int, qint64>;
    mutable QHash<Key, QIcon> icons_;
};
