// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

// The text size of a window, in percent of the program's font: one of these steps.
inline constexpr int kZoomSteps[] = {75, 90, 100, 110, 125, 150, 175, 200, 250, 300};
// The step after percent in direction (+1 larger, -1 smaller), kept within the steps.
int ZoomStep(int percent, int direction);

// View > Zoom In, Zoom Out and Actual Size for widget's text, for its view to map: the size is kept in
// the user settings under key in the group of the reader fileStem names, and set again at once.
struct ZoomCommand {
    int id;
    std::function<void()> run;
    std::function<bool()> enabled;
};
std::vector<ZoomCommand> TextZoomCommands(QWidget& widget, std::function<std::string()> fileStem,
                                          const QString& key);
