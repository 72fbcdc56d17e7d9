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

// View > Zoom In, Zoom Out and Actual Size for a view to map.
struct ZoomCommand {
    int id;
    std::function<void()> run;
    std::function<bool()> enabled;
};
// The three commands over any way of showing a window at a size: apply shows it at a percent. The
// size is kept in the user settings under key in the group of the reader fileStem names, and applied
// at once. mayShrinkTo, when given, says whether Zoom Out may go to a smaller percent.
std::vector<ZoomCommand> ZoomCommands(std::function<void(int percent)> apply,
                                      std::function<std::string()> fileStem, const QString& key,
                                      std::function<bool(int percent)> mayShrinkTo = {});
// The same for widget's text: its font follows the percent.
std::vector<ZoomCommand> TextZoomCommands(QWidget& widget, std::function<std::string()> fileStem,
                                          const QString& key);
