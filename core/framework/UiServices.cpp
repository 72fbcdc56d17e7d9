// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiServices.h"

void ReportError(IUiServices& ui, const std::string& text) {
    ui.MessageBox({text, MbButtons::ok, MbIcon::exclamation, 0});
}

std::string Say(const IUiServices& ui, const char* form, std::initializer_list<std::string> args) {
    return Substitute(ui.Forms().Text(form), args);
}
