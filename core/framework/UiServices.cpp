// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiServices.h"

void ReportError(IUiServices& ui, const std::string& text) {
    ui.MessageBox({text, MbButtons::ok, MbIcon::exclamation, 0});
}
