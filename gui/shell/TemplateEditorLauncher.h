// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

class QWidget;

// New Reading Plan Template: runs the template editor modally, with its
// Include Apocrypha value preset, and with the template at path loaded when
// one is given (a template opened from the desktop or the command line).
void RunTemplateEditor(QWidget* owner, int includeApocrypha, const std::string& path = {});
