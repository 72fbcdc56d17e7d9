// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/UiServices.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The core's questions answered with Qt dialogs.
class CQtUiServices : public IUiServices {
public:
    // The window the dialogs belong to, and the size of the main frame's client area.
    std::function<QWidget*()> parentWindow;
    std::function<std::pair<int, int>()> clientSize;

    int MessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    std::optional<ExtraReading> EnterExtraReading(int mode) override;
    std::optional<ExtraReading> EnterExtraReadingOf(int mode, uint16_t start, uint16_t end) override;
    std::unique_ptr<IProgress> ShowLoadProgress(const std::string& fileName) override;
    void ShowPlanProperties(const std::string& text) override;
    std::pair<int, int> MainFrameClientSize() override;
    void ShowStatus(const std::string& text) override;
    const CShownForms& Forms() const override;
    // Where ShowStatus puts its text (the main window's status bar).
    std::function<void(const QString&)> statusText;

    // The framework's filter "Name (*.a)|*.a|Other|*.b||" as Qt's name filters.
    static QStringList NameFilters(const std::string& filter);
    // The file name with the default extension added when it has none.
    static std::string WithDefaultExtension(const std::string& path, const std::string& extension);

    // The window a dialog opened now belongs to: the modal dialog up, else the main window.
    QWidget* ParentWidget() const;
};
