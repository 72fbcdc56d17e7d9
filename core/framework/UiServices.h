// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"
#include "scripture/ShownForms.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Message box answers, as the framework numbers them.
enum MbResult { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };
enum class MbButtons { ok, okCancel, yesNo, yesNoCancel, retryCancel, abortRetryIgnore };
enum class MbIcon { none, question, exclamation, information, stop };

struct MessageBoxRequest {
    std::string text;
    MbButtons buttons = MbButtons::ok;
    MbIcon icon = MbIcon::none;
    int defaultButton = 0; // 0 = first button, 1 = second, 2 = third
    // A choice shown beside the buttons, as a check box: its text and, in and
    // out, whether it is ticked. Fronts without one leave it as it was.
    std::string checkBoxText{};
    bool* checkBox = nullptr;
};

// When a plan chosen in the gallery starts, and whether the readings dated
// before today are left out (to join a plan part-way).
struct PlanStartChoice {
    std::optional<CJJulian> start;
    bool skipPast = false;
};

// A file-open or file-save choice. filter is in the framework's form
// "Name (*.ext)|*.ext|...||".
struct FileDialogRequest {
    bool open = true;
    std::string defaultExtension;
    std::string defaultFileName;
    std::string filter;
    std::string startDirectory;
    std::string title;
    // Choosing a plan template: 1 offers the plan gallery beside browsing for a
    // file, 2 shows the gallery alone; it lists the shipped templates and those
    // in galleryDirectories.
    int gallery = 0;
    std::vector<std::string> galleryDirectories{};
    // Off where the program asks about an existing file itself, so that the
    // user is not asked twice.
    bool confirmOverwrite = true;
    // Where the gallery puts the reader's start date; fronts without one leave it as it was.
    PlanStartChoice* planStart = nullptr;
};

struct ExtraReading {
    uint16_t start = 0;
    uint16_t end = 0;
    int mode = 0;
};

// Progress of a long task (plan generation): range 1 … max.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void SetRange(int max) = 0;
    virtual void SetPos(int position) = 0;
};

// Everything the core asks of the user. The GUI answers with real dialogs,
// tests with scripted answers.
class IUiServices {
public:
    virtual ~IUiServices() = default;
    virtual int MessageBox(const MessageBoxRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
    // The Enter Extra Reading dialog, preselecting mode; nothing on Cancel.
    virtual std::optional<ExtraReading> EnterExtraReading(int mode) = 0;
    // The same dialog with its two verses set to start and end; a front that
    // cannot set them asks as EnterExtraReading does.
    virtual std::optional<ExtraReading> EnterExtraReadingOf(int mode, uint16_t start, uint16_t end) {
        (void)start;
        (void)end;
        return EnterExtraReading(mode);
    }
    // The plan-load progress dialog, shown with the file's name until destroyed.
    virtual std::unique_ptr<IProgress> ShowLoadProgress(const std::string& fileName) = 0;
    // The Reading Plan Properties dialog with its read-only text.
    virtual void ShowPlanProperties(const std::string& text) = 0;
    // Width and height of the main frame's client area.
    virtual std::pair<int, int> MainFrameClientSize() = 0;
    // Says what a change just did, where the reader looks for it (the status bar).
    virtual void ShowStatus(const std::string& text) { (void)text; }
    // The forms messages with numbers and names are composed in: the reader's language in the
    // windows, the program's own English elsewhere.
    virtual const CShownForms& Forms() const { return EnglishForms(); }
};

// A message in the language of ui's forms: form (a TR_NOOP text) with %1, %2 … given by args.
std::string Say(const IUiServices& ui, const char* form, std::initializer_list<std::string> args);

// Shows an error message with the exclamation icon and an OK button.
void ReportError(IUiServices& ui, const std::string& text);
