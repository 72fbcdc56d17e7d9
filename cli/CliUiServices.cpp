// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliUiServices.h"
#include "CliText.h"

#include <ostream>
#include <string_view>
#include <utility>

namespace {

class SilentProgress : public IProgress {
public:
    void SetRange(int) override {}
    void SetPos(int) override {}
};

// The window's questions name its buttons; here the answer is --yes or nothing.
std::string CliQuestion(std::string text) {
    const std::pair<std::string_view, std::string_view> words[] = {
        {"Press OK to", "Give --yes to"},
        {"Press CANCEL to", "Leave out --yes to"},
    };
    for (const auto& [from, to] : words)
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    return text;
}

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
    err_ << CliMessage(CliQuestion(request.text)) << "\n"
         << "scrivane-cli: nothing was changed; run the command again with --yes to answer yes\n";
    return request.buttons == MbButtons::okCancel ? IDCANCEL : IDNO;
}

std::unique_ptr<IProgress> CCliUiServices::ShowLoadProgress(const std::string&) {
    return std::make_unique<SilentProgress>();
}
