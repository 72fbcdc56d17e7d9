#include "UiServices.h"

void ReportError(IUiServices& ui, const std::string& text) {
    ui.MessageBox({text, MbButtons::ok, MbIcon::exclamation, 0});
}
