#pragma once
#include "framework/UiServices.h"

#include <memory>
#include <optional>
#include <string>

class QWidget;

// The reading plan's dialogs as the Qt user interface services open them.
std::optional<ExtraReading> RunEnterExtraReadingDialog(QWidget* parent, int mode);
std::unique_ptr<IProgress> ShowPlanLoadProgressDialog(QWidget* parent, const std::string& fileName);
void RunPlanPropertiesDialog(QWidget* parent, const std::string& text);
