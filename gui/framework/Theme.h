// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QPalette>

// The colours of the windows: the desktop's, or one of the program's own.
enum class Theme { desktop, light, dark, highContrast };

// The palette of a theme; the desktop's own for Theme::desktop.
QPalette ThemePalette(Theme theme, const QPalette& desktop);

// The colours the hand-drawn views mark readings with, chosen for the palette's
// background (the page's, or another role's) so that each stands out from it at least 4.5 : 1.
struct MarkColours {
    QColor read;
    QColor overdue;
};
MarkColours MarkColoursFor(const QPalette& palette, QPalette::ColorRole background = QPalette::Base);

// The colour of a focus frame (or a chosen day) drawn on the page: the selection's where that stands
// out from the page 3 : 1, as a control's outline must, else the text's.
QColor FocusFrameColour(const QPalette& palette);

// The contrast ratio of two colours (1 to 21), as accessibility guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b);

// The theme the user chose (user settings), and setting it for the whole program.
Theme RememberedTheme();
void ApplyTheme(Theme theme);
