// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedUiServices.h"

namespace {

int CautiousAnswer(MbButtons buttons) {
    switch (buttons) {
    case MbButtons::ok:
        return IDOK;
    case MbButtons::yesNo:
        return IDNO;
    case MbButtons::abortRetryIgnore:
        return IDABORT;
    default:
        return IDCANCEL;
    }
}

class RecordingProgress : public IProgress {
public:
    explicit RecordingProgress(CScriptedUiServices& owner) : owner_(owner) {}
    void SetRange(int max) override {
        if (max > owner_.progressMaxSeen) owner_.progressMaxSeen = max;
    }
    void SetPos(int) override { ++owner_.progressPositions; }

private:
    CScriptedUiServices& owner_;
};

} // namespace

int CScriptedUiServices::MessageBox(const MessageBoxRequest& request) {
    messageBoxes.push_back(request);
    if (request.checkBox && !checkBoxAnswers.empty()) {
        *request.checkBox = checkBoxAnswers.front();
        checkBoxAnswers.pop_front();
    }
    if (messageBoxAnswers.empty()) return CautiousAnswer(request.buttons);
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

std::optional<std::string> CScriptedUiServices::ChooseFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<ExtraReading> CScriptedUiServices::EnterExtraReading(int mode) {
    extraReadingModesOffered.push_back(mode);
    if (extraReadingAnswers.empty()) return std::nullopt;
    auto answer = extraReadingAnswers.front();
    extraReadingAnswers.pop_front();
    return answer;
}

std::unique_ptr<IProgress> CScriptedUiServices::ShowLoadProgress(const std::string& fileName) {
    progressFileNames.push_back(fileName);
    return std::make_unique<RecordingProgress>(*this);
}

void CScriptedUiServices::ShowPlanProperties(const std::string& text) {
    planPropertiesShown.push_back(text);
}
