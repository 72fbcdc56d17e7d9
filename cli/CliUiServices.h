// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/UiServices.h"

#include <iosfwd>
#include <optional>
#include <string>

// The user of scrivane-cli answers no question while a command runs: a
// question is answered yes only when --yes was given, and otherwise its text
// goes to err and the command must end without changing anything. Errors go
// to err as one line each. File choices and the extra reading are given
// beforehand from the command's arguments.
class CCliUiServices : public IUiServices {
public:
    CCliUiServices(std::ostream& err, bool yes) : err_(err), yes_(yes) {}

    std::optional<std::string> chosenFile;
    std::optional<ExtraReading> extraReading;
    std::string propertiesText;

    bool Declined() const { return declined_; }
    bool ErrorShown() const { return errorShown_; }

    int MessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest&) override { return chosenFile; }
    std::optional<ExtraReading> EnterExtraReading(int) override { return extraReading; }
    std::unique_ptr<IProgress> ShowLoadProgress(const std::string& fileName) override;
    void ShowPlanProperties(const std::string& text) override { propertiesText = text; }
    std::pair<int, int> MainFrameClientSize() override { return {0, 0}; }

private:
    std::ostream& err_;
    bool yes_;
    bool declined_ = false;
    bool errorShown_ = false;
};
