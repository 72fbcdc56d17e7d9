// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateEditorLauncher.h"

#include "plan/TemplateEditorDialog.h"
#include "shell/QtUiServices.h"

void RunTemplateEditor(QWidget* owner, int includeApocrypha, const std::string& path) {
    CQtUiServices ui;
    CTemplateEditorDialog dialog(ui, includeApocrypha, owner);
    ui.parentWindow = [&dialog] { return static_cast<QWidget*>(&dialog); };
    if (!path.empty()) dialog.LoadTemplateFrom(path);
    dialog.exec();
}
