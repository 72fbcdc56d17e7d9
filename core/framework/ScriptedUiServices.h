// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "UiServices.h"

#include <deque>
#include <vector>

// Answers the core's questions from queues of prepared answers and records
// every question, for tests and for the command line. An empty queue gives
// the cautious answer: Cancel, No, no file, no reading.
class CScriptedUiServices : public IUiServices {
public:
    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<ExtraReading>> extraReadingAnswers;
    std::pair<int, int> clientSize{800, 600};
    // Ticks of the message boxes' check boxes, in turn; an empty queue leaves a box as it was.
    std::deque<bool> checkBoxAnswers;
    std::vector<std::string> statusTexts;

    std::vector<MessageBoxRequest> messageBoxes;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<int> extraReadingModesOffered;
    // The verses Enter Reading was opened with, when it was given any.
    std::vector<std::pair<uint16_t, uint16_t>> extraReadingRangesOffered;
    std::vector<std::string> progressFileNames;
    std::vector<std::string> planPropertiesShown;
    int progressMaxSeen = 0;
    int progressPositions = 0;

    int MessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    std::optional<ExtraReading> EnterExtraReading(int mode) override;
    std::optional<ExtraReading> EnterExtraReadingOf(int mode, uint16_t start, uint16_t end) override {
        extraReadingRangesOffered.emplace_back(start, end);
        return EnterExtraReading(mode);
    }
    std::unique_ptr<IProgress> ShowLoadProgress(const std::string& fileName) override;
    void ShowPlanProperties(const std::string& text) override;
    std::pair<int, int> MainFrameClientSize() override { return clientSize; }
    void ShowStatus(const std::string& text) override { statusTexts.push_back(text); }
    // The language messages are composed in: the program's English unless a test gives another.
    const CShownForms* forms = nullptr;
    const CShownForms& Forms() const override { return forms ? *forms : EnglishForms(); }
};
