#include "CliUiServices.h"
#include "CliText.h"

#include <ostream>

namespace {

class SilentProgress : public IProgress {
public:
    void SetRange(int) override {}
    void SetPos(int) override {}
};

} // namespace

int CCliUiServices::MessageBox(const MessageBoxRequest& request) {
    switch (request.buttons) {
    case MbButtons::yesNo:
    case MbButtons::yesNoCancel:
        if (yes_) return IDYES;
        break;
    case MbButtons::okCancel:
        if (yes_) return IDOK;
        break;
    default:
        // Information is told, but is no failure of the command.
        if (request.icon != MbIcon::information) errorShown_ = true;
        err_ << "scrivane-cli: " << CliMessage(request.text) << "\n";
        return IDOK;
    }
    declined_ = true;
    err_ << CliMessage(request.text) << "\n";
    return request.buttons == MbButtons::okCancel ? IDCANCEL : IDNO;
}

std::unique_ptr<IProgress> CCliUiServices::ShowLoadProgress(const std::string&) {
    return std::make_unique<SilentProgress>();
}
