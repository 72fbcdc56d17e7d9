// SPDX-License-Identifier: GPL-3.0-or-later
#include "Theme.h"

#include "ReaderSettings.h"

#include <QApplication>
#include <cmath>

namespace {

constexpr const char* kThemeKey = "View/Theme";

double Luminance(const QColor& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

QPalette Palette(const QColor& window, const QColor& text, const QColor& base, const QColor& button,
                 const QColor& highlight, const QColor& highlightedText, const QColor& disabled,
                 const QColor& link) {
    QPalette p(button, window);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor fore = group == QPalette::Disabled ? disabled : text;
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, fore);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, button);
        p.setColor(group, QPalette::Text, fore);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, fore);
        p.setColor(group, QPalette::BrightText, text);
        p.setColor(group, QPalette::ToolTipBase, base);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, disabled);
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(group, QPalette::HighlightedText, highlightedText);
        p.setColor(group, QPalette::Link, link);
        p.setColor(group, QPalette::LinkVisited, link);
    }
    return p;
}

} // namespace

QPalette ThemePalette(Theme theme, const QPalette& desktop) {
    switch (theme) {
    case Theme::light:
        return Palette(QColor(239, 239, 239), Qt::black, Qt::white, QColor(239, 239, 239), QColor(0, 90, 160),
                       Qt::white, QColor(110, 110, 110), QColor(0, 80, 170));
    case Theme::dark:
        return Palette(QColor(45, 45, 48), QColor(235, 235, 235), QColor(30, 30, 30), QColor(58, 58, 62),
                       QColor(40, 100, 180), Qt::white, QColor(150, 150, 150), QColor(130, 180, 255));
    case Theme::highContrast:
        // Selections white on deep blue: styles draw the active title bar's text white whatever the palette.
        return Palette(Qt::black, Qt::white, Qt::black, Qt::black, QColor(0, 70, 200), Qt::white,
                       QColor(200, 200, 200), QColor(0, 255, 255));
    case Theme::desktop:
        break;
    }
    return desktop;
}

MarkColours MarkColoursFor(const QPalette& palette, QPalette::ColorRole background) {
    const double base = Luminance(palette.color(background));
    if (base < 0.005) return {QColor(0, 255, 0), QColor(255, 255, 0)}; // black: the brightest
    if (base < 0.2) return {QColor(110, 210, 140), QColor(255, 150, 80)};
    // Dark enough for the light grey of a window's background as well as for white.
    return {QColor(0, 115, 60), QColor(170, 60, 0)};
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FocusFrameColour(const QPalette& palette) {
    const QColor page = palette.color(QPalette::Base), highlight = palette.color(QPalette::Highlight);
    return ContrastRatio(highlight, page) >= 3.0 ? highlight : palette.color(QPalette::Text);
}

Theme RememberedTheme() {
    const int t = UserSettings().value(kThemeKey, 0).toInt();
    return t >= 0 && t <= static_cast<int>(Theme::highContrast) ? static_cast<Theme>(t) : Theme::desktop;
}

void ApplyTheme(Theme theme) {
    // The desktop's palette as the program found it, before any theme of its own. Set again with no
    // role of its own (resolve mask 0), it follows the desktop when the desktop changes its colours.
    static const QPalette desktop = QApplication::palette();
    UserSettings().setValue(kThemeKey, static_cast<int>(theme));
    QPalette palette = ThemePalette(theme, desktop);
    if (theme == Theme::desktop) palette.setResolveMask(0);
    QApplication::setPalette(palette);
}
