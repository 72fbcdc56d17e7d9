// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/ReaderContext.h"

#include <string>

class CReadingPlanDoc;
class IUiServices;
class QSettings;
class QWidget;

// What the daily rhythm asks of the program around it. The shell answers; the
// rhythm knows no window of it.
class CRhythmHost {
public:
    virtual ~CRhythmHost() = default;
    virtual QSettings& Settings() = 0;
    virtual IUiServices& Ui() = 0;
    // The base directory, and the reader of the open environment.
    virtual std::string BaseDirectory() const = 0;
    virtual CReaderContext Reader() const = 0;
    // The parent of the rhythm's dialogs; null without a main window.
    virtual QWidget* DialogParent() const = 0;
    // Shows the main window, and plan's window in it when plan is not null.
    virtual void BringForward(CReadingPlanDoc* plan) = 0;
    // A command's enabled state may have changed outside every window.
    virtual void CommandsChanged() = 0;
    // Exit in the tray menu.
    virtual void Quit() = 0;
};
