// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/UiServices.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

class QWidget;

// The reading plan's dialogs as the Qt user interface services open them.
// With a range, the dialog's two verses start on its first and last verse.
std::optional<ExtraReading>
RunEnterExtraReadingDialog(QWidget* parent, int mode,
                           std::optional<std::pair<uint16_t, uint16_t>> range = {});
std::unique_ptr<IProgress> ShowPlanLoadProgressDialog(QWidget* parent, const std::string& fileName);
void RunPlanPropertiesDialog(QWidget* parent, const std::string& text);
